// Display set-up, its failures, release, restore after a loss, and the flip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/main_window.h"
#include "seam.h"
#include "support/game_env.h"
#include "video/display.h"
#include "video/draw.h"

namespace {

TEST(DisplaySetUp, WritesEveryStepsLineInOrderAndKeepsThePalette)
{
    ASSERT_NE(StartDisplay(), nullptr);
    const std::vector<std::string> expected = {
        "DirectDrawCreateEx OK\n",       "SetDisplayMode OK\n",         "CreateSurface OK\n",
        "GetAttachedSurface OK\n",       "SetPalette OK\n",             "SetPalette OK\n",
        "DDLoadBitmap BackImage OK\n",   "DDLoadBitmap FrameImage OK\n", "DDLoadBitmap StringsOK\n",
        "DDLoadBitmap StageOK\n",        "DDLoadBitmap ScoreOK\n",      "DDLoadBitmap Title OK\n",
        "DDLoadBitmap Prolog OK\n",      "DDLoadBitmap Chara OK\n"};
    EXPECT_EQ(seam::DebugLines(), expected);
    EXPECT_EQ(g_paletteTarget[47].peRed, 24);
    EXPECT_EQ(g_paletteTarget[47].peGreen, 136);
    EXPECT_EQ(g_paletteTarget[47].peBlue, 88);
    EXPECT_TRUE(seam::MessageBoxes().empty());
}

struct FailedStep {
    const char* call;
    int succeedFirst;
    const char* hiddenResource;
    const char* message;
};

class DisplaySetUpFailure : public testing::TestWithParam<FailedStep> {};

// Each failure shows its message, releases what was made and destroys the
// window, and the program ends with 0.
TEST_P(DisplaySetUpFailure, ShowsItsMessageReleasesAllAndEndsTheProgram)
{
    const FailedStep& step = GetParam();
    ResetGame();
    if (step.call != nullptr) {
        seam::FailCall(step.call, DDERR_GENERIC, step.succeedFirst);
    }
    if (step.hiddenResource != nullptr) {
        seam::HideResource(step.hiddenResource);
    }
    EXPECT_EQ(WinMain(GetModuleHandleA(NULL), NULL, NULL, SW_SHOWDEFAULT), 0);
    ASSERT_EQ(seam::MessageBoxes().size(), 1u);
    EXPECT_EQ(seam::MessageBoxes()[0].caption, "2D Game Sample");
    EXPECT_EQ(seam::MessageBoxes()[0].text, step.message);
    EXPECT_EQ(seam::LiveDisplayObjects(), 0);
    EXPECT_EQ(g_dd, nullptr);
    EXPECT_EQ(g_primary, nullptr);
    EXPECT_EQ(g_charaImg, nullptr);
    ReleaseAllObjects();
    EXPECT_EQ(seam::LiveDisplayObjects(), 0) << "a second release must be harmless";
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, DisplaySetUpFailure,
    testing::Values(FailedStep{"DirectDrawCreateEx", 0, nullptr, "DirectDrawCreateEx FAILED"},
                    FailedStep{"SetCooperativeLevel", 0, nullptr, "SetCooperativeLevel FAILED"},
                    FailedStep{"SetDisplayMode", 0, nullptr, "SetDisplayMode FAILED"},
                    FailedStep{"CreateSurface", 0, nullptr, "CreateSurface FAILED"},
                    FailedStep{"GetAttachedSurface", 0, nullptr, "GetAttachedSurface FAILED"},
                    FailedStep{"CreatePalette", 0, nullptr, "SetPalette FAILED"},
                    FailedStep{"SetPalette", 0, nullptr, "SetPalette FAILED"},
                    FailedStep{nullptr, 0, "BACKIMG", "DDLoadBitmap BackImage FAILED"},
                    FailedStep{"CreateSurface", 2, nullptr, "DDLoadBitmap FrameImage FAILED"},
                    FailedStep{nullptr, 0, "STRINGS", "DDLoadBitmap Strings FAILED"},
                    FailedStep{nullptr, 0, "STAGE", "DDLoadBitmap Stage FAILED"},
                    FailedStep{nullptr, 0, "SCORE", "DDLoadBitmap Score FAILED"},
                    FailedStep{nullptr, 0, "TITLE", "DDLoadBitmap Title FAILED"},
                    FailedStep{nullptr, 0, "PROLOG", "DDLoadBitmap Prolog FAILED"},
                    FailedStep{nullptr, 0, "CHARA", "DDLoadBitmap Chara FAILED"}));

TEST(DisplaySetUpFailure, TheFailingStepsResultIsPassedOn)
{
    ResetGame();
    HWND window = InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
    seam::FailCall("SetDisplayMode", DDERR_INVALIDMODE);
    EXPECT_EQ(InitDirectDraw(window), DDERR_INVALIDMODE);
    EXPECT_FALSE(HasDebugLine("SetDisplayMode OK\n"));

    ResetGame();
    window = InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
    seam::HideResource("TITLE");
    EXPECT_EQ(InitDirectDraw(window), E_FAIL);
}

TEST(DisplaySetUpFailure, AMissingResourceIsReadFromAFileOfThatName)
{
    ScratchFolder folder;
    ASSERT_NE(StartDisplay(), nullptr);
    ReleaseAllObjects();
    // Export STAGE's bytes and offer them as a file instead of the resource.
    HRSRC resource = FindResourceA(NULL, "STAGE", RT_BITMAP);
    const char* dib = (const char*)LockResource(LoadResource(NULL, resource));
    std::string file = "BM" + std::string(12, '\0') + std::string(dib, SizeofResource(NULL, resource));
    const DWORD offset = 14 + 40 + 1024;
    memcpy(&file[10], &offset, 4);
    folder.WriteFile("STAGE", file);
    ResetGame();
    seam::HideResource("STAGE");
    HWND window = InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
    EXPECT_EQ(InitDirectDraw(window), DD_OK);
    EXPECT_TRUE(HasDebugLine("DDLoadBitmap StageOK\n"));
}

// The pixels of a surface, row by row.
std::vector<BYTE> PixelsOf(LPDIRECTDRAWSURFACE7 surface)
{
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    std::vector<BYTE> pixels;
    if (surface->Lock(NULL, &desc, DDLOCK_WAIT, NULL) != DD_OK) {
        return pixels;
    }
    for (DWORD y = 0; y < desc.dwHeight; y++) {
        const BYTE* row = (const BYTE*)desc.lpSurface + y * desc.lPitch;
        pixels.insert(pixels.end(), row, row + desc.dwWidth);
    }
    surface->Unlock(NULL);
    return pixels;
}

// The pixels of the eight pictures, in loading order.
std::vector<std::vector<BYTE>> AllPictures()
{
    LPDIRECTDRAWSURFACE7 images[] = {g_backImg, g_frameImg, g_stringsImg, g_stageImg,
                                     g_scoreImg, g_titleImg, g_prologImg, g_charaImg};
    std::vector<std::vector<BYTE>> pictures;
    for (LPDIRECTDRAWSURFACE7 image : images) {
        pictures.push_back(PixelsOf(image));
    }
    return pictures;
}

const char* const PICTURE_NAMES[] = {"BACKIMG", "FRAME", "STRINGS", "STAGE", "SCORE", "TITLE", "PROLOG", "CHARA"};

// A blit that meets the loss restores and reloads everything; a switch-away
// can also come in the middle of a fade, and then the pictures still come
// back as they were loaded, and the palette as dim as the fade had made it.
TEST(SurfaceLoss, ABlitThatMeetsItReloadsEveryPictureAsAtStartEvenMidFade)
{
    const char* const moments[] = {"at full palette", "fading in", "fading out"};
    for (int moment = 0; moment < 3; moment++) {
        ASSERT_NE(StartDisplay(), nullptr);
        const std::vector<std::vector<BYTE>> loaded = AllPictures();
        if (moment == 1) {
            SetPaletteBlack();
        }
        for (int frame = 0; moment > 0 && frame < 5; frame++) {
            moment == 1 ? FadeIn(20) : FadeOut(20);
        }
        PALETTEENTRY shown[256];
        g_palette->GetEntries(0, 0, 256, shown);
        seam::LoseAllSurfaces();
        RECT tile = {0, 0, 24, 24};
        EXPECT_EQ(BlitImage(g_back, 0, 0, g_charaImg, &tile, 1), DD_OK);
        const std::vector<std::vector<BYTE>> reloaded = AllPictures();
        for (size_t i = 0; i < loaded.size(); i++) {
            EXPECT_EQ(reloaded[i], loaded[i]) << PICTURE_NAMES[i] << " " << moments[moment];
        }
        PALETTEENTRY after[256];
        g_palette->GetEntries(0, 0, 256, after);
        EXPECT_EQ(memcmp(after, shown, sizeof shown), 0) << "the palette is not put back " << moments[moment];
        EXPECT_EQ(BlitImage(g_back, 0, 0, g_charaImg, &tile, 1), DD_OK);
    }
}

// The fades leave entry 255 lit, so a picture drawn with it would shine
// through a faded-out screen.
TEST(SurfaceSet, NoPictureDrawsWithTheEntryTheFadesLeaveLit)
{
    ASSERT_NE(StartDisplay(), nullptr);
    const std::vector<std::vector<BYTE>> pictures = AllPictures();
    for (size_t i = 0; i < pictures.size(); i++) {
        EXPECT_EQ(std::count(pictures[i].begin(), pictures[i].end(), 255), 0) << PICTURE_NAMES[i];
    }
}

TEST(SurfaceLoss, AFailedRestoreIsReportedAndTheBlitKeepsFailing)
{
    ASSERT_NE(StartDisplay(), nullptr);
    seam::LoseAllSurfaces();
    seam::FailCall("Restore", DDERR_GENERIC);
    RECT tile = {0, 0, 24, 24};
    EXPECT_EQ(BlitImage(g_back, 0, 0, g_charaImg, &tile, 1), DDERR_GENERIC);
    EXPECT_EQ(BlitImage(g_back, 0, 0, g_charaImg, &tile, 1), DDERR_GENERIC);
}

TEST(FlipScreen, PresentsTheBackBufferAndRecoversFromALoss)
{
    ASSERT_NE(StartDisplay(), nullptr);
    RECT whole = {0, 0, 640, 480};
    ASSERT_EQ(BlitImage(g_back, 0, 0, g_titleImg, &whole, 0), DD_OK);
    std::vector<BYTE> drawn = PixelsOf(g_back);
    FlipScreen();
    EXPECT_EQ(seam::LastFrame().presented, 1);
    EXPECT_EQ(seam::LastFrame().indices, drawn);
    EXPECT_EQ(seam::LastFrame().palette[255].peRed, 255);

    seam::LoseAllSurfaces();
    FlipScreen();
    EXPECT_EQ(seam::LastFrame().presented, 1) << "a lost primary presents nothing";
    FlipScreen();
    EXPECT_EQ(seam::LastFrame().presented, 2) << "the flip restored the primary";
}

TEST(FlipScreen, TheLastFrameCanBeSavedAsAPictureForAPerson)
{
    ScratchFolder folder;
    ASSERT_NE(StartDisplay(), nullptr);
    EXPECT_FALSE(seam::SaveFramePng(seam::LastFrame(), "none.png")) << "nothing presented yet";
    FlipScreen();
    ASSERT_TRUE(seam::SaveFramePng(seam::LastFrame(), "frame.png"));
    FILE* file = fopen("frame.png", "rb");
    ASSERT_NE(file, nullptr);
    unsigned char signature[8] = {};
    EXPECT_EQ(fread(signature, 1, 8, file), 8u);
    fclose(file);
    EXPECT_EQ(memcmp(signature, "\x89PNG\r\n\x1a\n", 8), 0);
}

TEST(FlipScreen, WaitsForTheNextSixtiethOfASecond)
{
    ASSERT_NE(StartDisplay(), nullptr);
    seam::SetFramePacing(true);
    FlipScreen();
    EXPECT_EQ(g_primary->Flip(NULL, 0), DDERR_WASSTILLDRAWING);
    seam::AdvanceTicks(10);
    EXPECT_EQ(g_primary->Flip(NULL, 0), DDERR_WASSTILLDRAWING);
    seam::AdvanceTicks(7);
    EXPECT_EQ(g_primary->Flip(NULL, 0), DD_OK);
}

}  // namespace
