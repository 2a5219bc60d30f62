// The play screen: each frame composes the picture, moves the frog, opens or
// leaves the stage with a fade, then runs the rules, the pause menu and the clock.
#include "play/play_screen.h"

#include <stdio.h>

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "play/board_draw.h"
#include "play/frog.h"
#include "play/item_rules.h"
#include "play/liquid.h"
#include "stage/board.h"
#include "stage/play_state.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

enum { PAUSE_MAIN_MENU, PAUSE_STAGE_SELECT, PAUSE_RESTART, PAUSE_EXIT, PAUSE_ENTRIES };

// The scene each leaving entry of the pause menu goes to; RESTART starts the
// same stage again.
static const BYTE PAUSE_TARGETS[PAUSE_EXIT] = {SCENE_TITLE_INIT, SCENE_SELECT_INIT, SCENE_PLAY_INIT};

// The frog's picture strip for each pose, and the time its pictures stay.
struct FrogStrip {
    AtlasId atlas;
    int interval;
};
static const FrogStrip FROG_STRIPS[] = {
    {ATLAS_FROG_STAND, 100},
    {ATLAS_FROG_LEFT, 100},
    {ATLAS_FROG_RIGHT, 100},
    {ATLAS_FROG_LADDER, 100},
    {ATLAS_FROG_OPERATE, 300},
    {ATLAS_FROG_SWIM_LEFT, 100},
    {ATLAS_FROG_SWIM_RIGHT, 100},
};
static const int FROG_POSES = sizeof FROG_STRIPS / sizeof FROG_STRIPS[0];

static const DWORD PLAY_TIME_MAX = 5999999;
static const int CLOCK_X = 490;
static const int CLOCK_Y = 457;
static const int CLOCK_STEP = 12;

int DrawPlayBoard(void)
{
    RECT background = AtlasRect(ATLAS_PLAY_BACKGROUND);
    if (BlitImage(g_back, 0, 0, g_backImg, &background, 0) != DD_OK) {
        return 0;
    }
    DrawBoard();
    return 1;
}

int DrawFrogAndFrame(void)
{
    RECT frame = AtlasRect(ATLAS_PLAY_FRAME);
    return BlitImage(g_back, g_frogX + BOARD_SCREEN_X, g_frogY + BOARD_SCREEN_Y, g_charaImg, &g_clearFrogSrc, 1) ==
               DD_OK &&
           BlitImage(g_back, 0, 0, g_frameImg, &frame, 1) == DD_OK;
}

// The next picture of the frog's strip, once its interval has passed. A new
// pose shows only from this step on.
static void StepFrogAnimation(void)
{
    if ((DWORD)(g_now - (DWORD)g_frogAnimTime) <= (DWORD)g_frogAnimInterval) {
        return;
    }
    int frames = g_frogAnimFrames > 0 ? g_frogAnimFrames : 1;
    int pose = g_frogPose >= 0 && g_frogPose < FROG_POSES ? g_frogPose : FROG_POSE_STAND;
    const FrogStrip& strip = FROG_STRIPS[pose];
    g_frogAnimFrame = (g_frogAnimFrame + 1) % frames;
    g_frogAnimTime = (int)g_now;
    g_frogAnimInterval = strip.interval;
    g_clearFrogSrc = AtlasRect(strip.atlas, g_frogAnimFrame % g_atlas[strip.atlas].count);
}

static int DrawPausePanel(void)
{
    if (!g_paused) {
        return 1;
    }
    RECT panel = AtlasRect(ATLAS_PAUSE_PANEL);
    RECT cursor = AtlasRect(ATLAS_PAUSE_CURSOR);
    return BlitImage(g_back, 120, 50, g_stringsImg, &panel, 1) == DD_OK &&
           BlitImage(g_back, 140, 94 + 48 * g_pauseCursor, g_stringsImg, &cursor, 1) == DD_OK;
}

static int ComposePlay(void)
{
    if (!DrawPlayBoard()) {
        return 0;
    }
    StepFrogAnimation();
    if (!DrawFrogAndFrame() || !DrawPausePanel()) {
        return 0;
    }
    DrawClock();
    return 1;
}

// 1 while a fade holds the frame before input: the stage's fade-in, or the
// fade-out to the chosen menu entry, which changes the scene at its end.
static int RunPlayFades(void)
{
    if (g_fadeInPending) {
        if (!FadeIn(PLAY_FADE_STEP)) {
            return 1;
        }
        g_fadeInPending = 0;
    }
    if (!g_leaving) {
        return 0;
    }
    if (FadeOut(PLAY_FADE_STEP)) {
        g_scene = PAUSE_TARGETS[g_pauseCursor];
        StopSound(g_stageBgm);
    }
    return 1;
}

static void MovePauseCursor(int step)
{
    g_pauseCursor = (g_pauseCursor + step + PAUSE_ENTRIES) % PAUSE_ENTRIES;
    if (g_seOn) {
        PlaySound(SOUND_CURSOR);
    }
}

// X and Z act while held: the menu takes no latch for them.
static void RunPauseMenu(void)
{
    if (TakeKeyPress(VK_UP)) {
        MovePauseCursor(-1);
    }
    if (TakeKeyPress(VK_DOWN)) {
        MovePauseCursor(1);
    }
    if (g_key['X']) {
        g_paused = 0;
    }
    if (g_key['Z']) {
        if (g_pauseCursor == PAUSE_EXIT) {
            g_paused = 0;
        } else {
            g_leaving = 1;
        }
    }
}

void RunPlay(void)
{
    if (!ComposePlay()) {
        return;
    }
    if (!g_paused) {
        MoveFrog();
    }
    if (RunPlayFades() || !ReadInput()) {
        return;
    }
    if (!g_paused) {
        FlowLiquid();
        UpdateItems();
    }
    if (TakeKeyPress('C')) {
        g_paused = !g_paused;
    }
    if (g_paused) {
        RunPauseMenu();
    }
}

// Paused time is skipped: the stamp moves on while the time stands still.
static void UpdateClock(void)
{
    if (!g_clockRunning) {
        return;
    }
    if (!g_paused) {
        g_playTime += g_now - (DWORD)g_clockTick;
    }
    if (g_playTime > PLAY_TIME_MAX) {
        g_playTime = PLAY_TIME_MAX;
    }
    g_clockTick = (int)g_now;
}

void DrawClock(void)
{
    UpdateClock();
    char text[20];
    snprintf(text, sizeof text, "%02d'%02d'%03d", (int)(g_playTime / 60000), (int)(g_playTime / 1000 % 60),
             (int)(g_playTime % 1000));
    for (int i = 0; text[i] != '\0'; i++) {
        int d = text[i] - '0';
        RECT source = d >= 0 && d <= 9 ? AtlasRect(ATLAS_CLOCK_DIGIT, d) : AtlasRect(ATLAS_CLOCK_SEPARATOR);
        if (BlitImage(g_back, CLOCK_X + CLOCK_STEP * i, CLOCK_Y, g_stringsImg, &source, 1) != DD_OK) {
            return;
        }
    }
}
