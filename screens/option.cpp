// The option screen: music and sound effects switched on and off, over the
// title picture, without fades.
#include "screens/title.h"

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

int g_optionCursor;

// Rows of the panel: row 2 is blank and the cursor never rests on it.
enum { OPTION_BGM = 0, OPTION_SE = 1, OPTION_BLANK = 2, OPTION_EXIT = 3, OPTION_ROWS = 4 };

void InitOption(void)
{
    g_optionCursor = OPTION_BGM;
    g_keyLatch['Z'] = 1;
    g_scene = SCENE_OPTION;
}

static int DrawOption(void)
{
    RECT background = AtlasRect(ATLAS_OPTION_BACKGROUND);
    RECT panel = AtlasRect(ATLAS_OPTION_PANEL);
    RECT cursor = AtlasRect(ATLAS_OPTION_CURSOR);
    RECT bgm = AtlasRect(ATLAS_OPTION_STATE, g_bgmOn);
    RECT se = AtlasRect(ATLAS_OPTION_STATE, g_seOn);
    return BlitImage(g_back, 0, 0, g_titleImg, &background, 0) == DD_OK &&
           BlitImage(g_back, 120, 50, g_stringsImg, &panel, 1) == DD_OK &&
           BlitImage(g_back, 140, 94 + 48 * g_optionCursor, g_stringsImg, &cursor, 1) == DD_OK &&
           BlitImage(g_back, 340, 97, g_stringsImg, &bgm, 1) == DD_OK &&
           BlitImage(g_back, 340, 144, g_stringsImg, &se, 1) == DD_OK;
}

static void PlayCursorSound(void)
{
    if (g_seOn) {
        PlaySound(SOUND_CURSOR);
    }
}

static void ChooseOption(void)
{
    if (g_optionCursor == OPTION_BGM) {
        g_bgmOn = !g_bgmOn;
        if (g_bgmOn) {
            PlaySound(SOUND_TITLE);
        } else {
            StopSound(SOUND_TITLE);
        }
        PlayCursorSound();
    } else if (g_optionCursor == OPTION_SE) {
        g_seOn = !g_seOn;
        PlayCursorSound();
    } else if (g_optionCursor == OPTION_EXIT) {
        g_scene = SCENE_TITLE_INIT;
    }
}

// Moves past the blank row in the direction of travel.
static void MoveOptionCursor(int step)
{
    g_optionCursor = (g_optionCursor + step + OPTION_ROWS) % OPTION_ROWS;
    if (g_optionCursor == OPTION_BLANK) {
        g_optionCursor += step;
    }
    PlayCursorSound();
}

void RunOption(void)
{
    if (!DrawOption() || !ReadInput()) {
        return;
    }
    if (TakeKeyPress('Z')) {
        ChooseOption();
    }
    if (g_key['X']) {
        g_scene = SCENE_TITLE_INIT;
    }
    if (TakeKeyPress(VK_UP)) {
        MoveOptionCursor(-1);
    }
    if (TakeKeyPress(VK_DOWN)) {
        MoveOptionCursor(1);
    }
}
