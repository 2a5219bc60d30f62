// Test helpers for screens driven through the frame tick: a display with
// sound in a scratch folder, frames driven with keys, and the digits and
// pictures that the last presented frame shows.
#ifndef TESTS_SUPPORT_SCREEN_DRIVER_H
#define TESTS_SUPPORT_SCREEN_DRIVER_H

#include <gtest/gtest.h>

#include <windows.h>
#include <ddraw.h>

#include <string>

#include "app/app_state.h"
#include "app/frame.h"
#include "audio/sound.h"
#include "screens/time_digits.h"
#include "seam.h"
#include "support/game_env.h"
#include "video/atlas.h"
#include "video/bitmap_util.h"
#include "video/display.h"

class ScreenDriver : public testing::Test {
protected:
    void SetUp() override
    {
        window = StartDisplay();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(InitializeSound(window));
        seam::SetTicks(100000);
        key_ = (BYTE)DDColorMatch(g_stringsImg, RGB(20, 140, 92));
    }
    void TearDown() override { ReleaseSound(); }

    // One frame, 16 ms after the last.
    void Frame()
    {
        seam::AdvanceTicks(16);
        UpdateFrame(window);
    }
    void Frames(int count)
    {
        for (int i = 0; i < count; i++) {
            Frame();
        }
    }
    // Frames until the scene is `scene`: how many ran, or -1 after `limit`.
    int FramesUntil(BYTE scene, int limit)
    {
        for (int frame = 1; frame <= limit; frame++) {
            Frame();
            if (g_scene == scene) {
                return frame;
            }
        }
        return -1;
    }
    void Hold(int key, bool down) { seam::SetKeyDown(key, down); }
    // A frame with the key held, then one with it released.
    void Tap(int key)
    {
        Hold(key, true);
        Frame();
        Hold(key, false);
        Frame();
    }

    // True when the frame shows `src` of `atlas` at (x, y); a keyed picture
    // is matched on its pixels that are not the key colour.
    bool FrameShows(LPDIRECTDRAWSURFACE7 atlas, RECT src, int x, int y, bool keyed) const
    {
        return MatchingPixels(atlas, src, x, y, keyed) >= 0;
    }
    // The time drawn from (x, y) with `pictures`, read glyph by glyph, '?'
    // where none matches.
    std::string TimeShown(const TimePictures& pictures, int x, int y, int length = 9) const
    {
        std::string text;
        for (int i = 0; i < length; i++) {
            char glyph = GlyphAt(pictures, x, y);
            text += glyph;
            x += glyph == '\'' ? pictures.separatorStep : pictures.step;
        }
        return text;
    }

    HWND window = NULL;
    ScratchFolder folder;

private:
    // The atlases' colour key, matched while the palette is still bright.
    BYTE key_ = 0;
    // The glyph with the most matching pixels wins, as one may lie within another.
    char GlyphAt(const TimePictures& pictures, int x, int y) const
    {
        char best = '?';
        int bestCount = 0;
        for (int g = 0; g <= 10; g++) {
            RECT src = g < 10 ? AtlasRect(pictures.digit, g) : AtlasRect(pictures.separator);
            int count = MatchingPixels(g_stringsImg, src, x, y, true);
            if (count > bestCount) {
                best = g < 10 ? (char)('0' + g) : '\'';
                bestCount = count;
            }
        }
        return best;
    }
    // Pixels of the picture that match the frame, or -1 at the first that does not.
    int MatchingPixels(LPDIRECTDRAWSURFACE7 atlas, RECT src, int x, int y, bool keyed) const
    {
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        if (atlas->Lock(NULL, &desc, DDLOCK_WAIT, NULL) != DD_OK) {
            return -1;
        }
        const seam::Frame& frame = seam::LastFrame();
        int count = 0;
        for (int row = src.top; row < src.bottom && count >= 0; row++) {
            const BYTE* line = (const BYTE*)desc.lpSurface + row * desc.lPitch;
            for (int column = src.left; column < src.right && count >= 0; column++) {
                if (keyed && line[column] == key_) {
                    continue;
                }
                size_t at = (size_t)(y + row - src.top) * frame.width + x + column - src.left;
                count = frame.indices[at] == line[column] ? count + 1 : -1;
            }
        }
        atlas->Unlock(NULL);
        return count;
    }
};

#endif
