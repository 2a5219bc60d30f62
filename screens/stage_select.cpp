// The stage select: the arrows move the hand over the numbers that have a
// map, Z fades out to play the chosen stage and X to the title.
#include "screens/stage_select.h"

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "screens/score_file.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

int g_selectFadeIn;
int g_selectLeaving;
int g_selectToPlay;

static const int SELECT_FADE_STEP = 20;
static const int GRID_X = 34;
static const int GRID_Y = 299;
static const int GRID_COLUMNS = 10;
static const int GRID_CELL_WIDTH = 25;
static const int GRID_CELL_HEIGHT = 20;
static const int POINTER_X = 20;

void InitStageSelect(void)
{
    g_selectFadeIn = 1;
    g_selectLeaving = 0;
    RefreshScores();
    if (g_bgmOn) {
        PlaySound(SOUND_TITLE);
    }
    g_scene = SCENE_SELECT;
}

// The numbers from g_openStageCount + 1 on are covered.
static int DrawGrid(void)
{
    RECT grid = AtlasRect(ATLAS_STAGE_GRID);
    if (BlitImage(g_back, GRID_X, GRID_Y, g_stringsImg, &grid, 1) != DD_OK) {
        return 0;
    }
    RECT cover = AtlasRect(ATLAS_STAGE_COVER);
    for (int s = g_openStageCount < 0 ? 0 : g_openStageCount; s < SCORE_STAGES; s++) {
        LONG x = GRID_X + GRID_CELL_WIDTH * (s % GRID_COLUMNS);
        LONG y = GRID_Y + GRID_CELL_HEIGHT * (s / GRID_COLUMNS);
        if (BlitImage(g_back, x, y, g_stringsImg, &cover, 1) != DD_OK) {
            return 0;
        }
    }
    return 1;
}

static int DrawSelectScreen(void)
{
    RECT screen = AtlasRect(ATLAS_STAGE_SCREEN);
    RECT pointer = AtlasRect(ATLAS_STAGE_POINTER);
    int s = g_stageNo - 1;
    LONG x = POINTER_X + GRID_CELL_WIDTH * (s % GRID_COLUMNS);
    LONG y = GRID_Y + GRID_CELL_HEIGHT * (s / GRID_COLUMNS);
    return DrawGrid() && BlitImage(g_back, 0, 0, g_stageImg, &screen, 1) == DD_OK &&
           BlitImage(g_back, x, y, g_stringsImg, &pointer, 1) == DD_OK;
}

static void MoveStageCursor(int stageNo)
{
    g_stageNo = stageNo;
    if (g_seOn) {
        PlaySound(SOUND_CURSOR);
    }
}

// Moves wrap within the numbers that can be chosen: past the end of a row to
// the other end of the list, past the top or bottom to the other end of the
// same column.
static void ReadCursorKeys(void)
{
    int last = g_openStageCount;
    if (TakeKeyPress(VK_RIGHT)) {
        MoveStageCursor(g_stageNo < last ? g_stageNo + 1 : 1);
    }
    if (TakeKeyPress(VK_LEFT)) {
        MoveStageCursor(g_stageNo > 1 ? g_stageNo - 1 : last);
    }
    if (TakeKeyPress(VK_UP)) {
        int row = GRID_COLUMNS;
        MoveStageCursor(g_stageNo > row ? g_stageNo - row : g_stageNo + (last - g_stageNo) / row * row);
    }
    if (TakeKeyPress(VK_DOWN)) {
        int row = GRID_COLUMNS;
        MoveStageCursor(g_stageNo + row <= last ? g_stageNo + row : (g_stageNo - 1) % row + 1);
    }
}

// Z and X act while held; X wins when both are. Z needs the chosen map.
static void ReadLeaveKeys(void)
{
    if (g_key['X']) {
        g_selectToPlay = 0;
        g_selectLeaving = 1;
    } else if (g_key['Z'] && g_previewFound) {
        g_selectToPlay = 1;
        g_selectLeaving = 1;
    }
}

// A map that vanished during the fade-out is not played: the screen fades
// back in instead.
static void LeaveStageSelect(void)
{
    if (!g_selectToPlay) {
        g_scene = SCENE_TITLE_INIT;
    } else if (!g_previewFound) {
        g_selectLeaving = 0;
        g_selectFadeIn = 1;
    } else {
        StopSound(SOUND_TITLE);
        g_scene = SCENE_PLAY_INIT;
    }
}

void RunStageSelect(void)
{
    if (!DrawSelectScreen()) {
        return;
    }
    LoadPreview();
    if (!DrawPreview()) {
        return;
    }
    if (g_selectFadeIn) {
        if (!FadeIn(SELECT_FADE_STEP)) {
            return;
        }
        g_selectFadeIn = 0;
    }
    if (!ReadInput()) {
        return;
    }
    if (g_openStageCount > 0) {
        ReadCursorKeys();
    }
    if (!g_selectLeaving) {
        ReadLeaveKeys();
    }
    if (g_selectLeaving && FadeOut(SELECT_FADE_STEP)) {
        LeaveStageSelect();
    }
}
