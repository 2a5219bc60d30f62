// The title menu: a bobbing logo over the title picture, three entries, and
// an attract timer that hands over to the prolog after 30 s without a move.
#include "screens/title.h"

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

int g_titleCursor;
int g_titleFadeIn;
int g_titleLeaving;
int g_titleToProlog;
DWORD g_titleIdleSince;
double g_logoY = 50.0;
double g_logoVy = 1.0;

enum { TITLE_START, TITLE_OPTION, TITLE_EXIT, TITLE_ENTRIES };

static const DWORD TITLE_IDLE_MS = 30000;
static const int TITLE_FADE_STEP = 20;

void InitTitle(void)
{
    g_titleLeaving = 0;
    g_titleFadeIn = 1;
    g_titleCursor = 0;
    g_titleIdleSince = g_now;
    g_titleToProlog = 0;
    g_keyLatch['Z'] = 1;
    if (g_bgmOn) {
        PlaySound(SOUND_TITLE);
    }
    g_scene = SCENE_TITLE;
}

// The logo swings about y 50, pulled back a little every frame.
static void MoveLogo(void)
{
    g_logoVy += g_logoY < 50.0 ? 0.03 : -0.03;
    g_logoY += g_logoVy;
}

static int DrawTitle(void)
{
    RECT background = AtlasRect(ATLAS_TITLE_BACKGROUND);
    RECT logo = AtlasRect(ATLAS_TITLE_LOGO);
    RECT menu = AtlasRect(ATLAS_TITLE_MENU);
    RECT cursor = AtlasRect(ATLAS_TITLE_CURSOR);
    if (BlitImage(g_back, 0, 0, g_titleImg, &background, 0) != DD_OK ||
        BlitImage(g_back, 75, (LONG)g_logoY, g_stringsImg, &logo, 1) != DD_OK) {
        return 0;
    }
    MoveLogo();
    return BlitImage(g_back, 205, 350, g_stringsImg, &menu, 1) == DD_OK &&
           BlitImage(g_back, 175, 350 + 34 * g_titleCursor, g_stringsImg, &cursor, 1) == DD_OK;
}

static void MoveTitleCursor(int step)
{
    g_titleCursor = (g_titleCursor + step + TITLE_ENTRIES) % TITLE_ENTRIES;
    g_titleIdleSince = g_now;
    if (g_seOn) {
        PlaySound(SOUND_CURSOR);
    }
}

static void ReadTitleKeys(void)
{
    if (TakeKeyPress('Z')) {
        if (g_titleCursor == TITLE_START) {
            g_titleLeaving = 1;
        } else if (g_titleCursor == TITLE_OPTION) {
            g_scene = SCENE_OPTION_INIT;
        } else {
            g_quitRequested = 1;
        }
    }
    if (TakeKeyPress(VK_UP)) {
        MoveTitleCursor(-1);
    }
    if (TakeKeyPress(VK_DOWN)) {
        MoveTitleCursor(1);
    }
}

// Once a fade-out has begun the menu takes no keys, so no screen is entered
// with the palette left dark. The attract timer runs on: if it passes 30 s
// during GAME START's fade-out, the title goes to the prolog instead.
void RunTitle(void)
{
    if (!DrawTitle()) {
        return;
    }
    if (g_titleFadeIn) {
        if (FadeIn(TITLE_FADE_STEP)) {
            g_titleFadeIn = 0;
        }
        return;
    }
    if (!ReadInput()) {
        return;
    }
    if (!g_titleLeaving) {
        ReadTitleKeys();
    }
    if (g_now - g_titleIdleSince > TITLE_IDLE_MS) {
        g_titleLeaving = 1;
        g_titleToProlog = 1;
    }
    if (g_titleLeaving && FadeOut(TITLE_FADE_STEP)) {
        if (g_titleToProlog) {
            StopSound(SOUND_TITLE);
            g_scene = SCENE_PROLOG_INIT;
        } else {
            g_scene = SCENE_SELECT_INIT;
        }
    }
}
