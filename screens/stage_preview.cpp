// The stage select's preview: the chosen map's cell codes shown as 10 x 10
// miniatures with the liquid each open cell starts with, beside the stage
// number and the stage's three best times.
#include "screens/stage_select.h"

#include <stdio.h>

#include "app/app_state.h"
#include "screens/score_file.h"
#include "screens/time_digits.h"
#include "stage/board.h"
#include "stage/map_file.h"
#include "stage/map_text.h"
#include "stage/tiles.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

int g_previewTile[BOARD_COLUMNS][BOARD_ALL_ROWS];
int g_previewLevel[BOARD_COLUMNS][BOARD_ALL_ROWS];
int g_previewShowLevel[BOARD_COLUMNS][BOARD_ALL_ROWS];
int g_previewFound;

static const int PREVIEW_X = 33;
static const int PREVIEW_Y = 27;
static const int PREVIEW_CELL = 10;
static const int STAGE_NUMBER_X = 197;
static const int STAGE_NUMBER_Y = 235;
static const int STAGE_NUMBER_STEP = 30;
static const int BEST_TIMES_X = 450;
static const int BEST_TIMES_Y = 120;
static const int BEST_TIMES_STEP = 50;

// Each cell's code as the map gives it, without the board loader's reading
// of it: a belt's middle keeps its plain code, an item shows where the map
// puts it. Cells the map does not reach show as empty, as on the board.
static void ReadPreviewCells(MapText* text)
{
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            g_previewTile[x][y] = TILE_EMPTY;
            g_previewLevel[x][y] = 0;
        }
    }
    ReadMapChar(text);
    ReadMapChar(text);
    int row = -1;
    int column = 0;
    for (int c = ReadMapChar(text); c != MAP_END && c != 255; c = ReadMapChar(text)) {
        if (c == '\n') {
            row++;
            column = 0;
            continue;
        }
        int level = ReadMapChar(text);
        if (row >= 0 && row < BOARD_ROWS && column < BOARD_COLUMNS) {
            g_previewTile[column][row] = c - '0';
            g_previewLevel[column][row] = level == MAP_END ? 0 : level - '0';
        }
        column++;
    }
}

void LoadPreview(void)
{
    FILE* file = OpenStageMapFile(g_stageNo);
    g_previewFound = file != NULL;
    MapBytes nothing = {NULL, 0, 0};
    MapText text;
    if (file != NULL) {
        OpenMapText(&text, NextFileByte, file);
    } else {
        OpenMapText(&text, NextMemoryByte, &nothing);
    }
    ReadPreviewCells(&text);
    if (file != NULL) {
        fclose(file);
    }
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            int tile = g_previewTile[x][y];
            g_previewShowLevel[x][y] = tile == TILE_EMPTY || tile == TILE_LADDER || tile == TILE_TARGET;
        }
    }
}

// 24 units fill the 10 pixels of a cell.
static int PreviewBarHeight(int level)
{
    int height = level * PREVIEW_CELL / CELL_SIZE;
    return height < 0 ? 0 : height > PREVIEW_CELL ? PREVIEW_CELL : height;
}

// A bar less than a pixel high is not drawn; codes without a miniature show
// the background only.
static int DrawPreviewCell(int x, int y)
{
    LONG sx = PREVIEW_X + PREVIEW_CELL * x;
    LONG sy = PREVIEW_Y + PREVIEW_CELL * y;
    int height = g_previewShowLevel[x][y] ? PreviewBarHeight(g_previewLevel[x][y]) : 0;
    if (height > 0) {
        RECT bar = AtlasRect(ATLAS_PREVIEW_LIQUID);
        bar.bottom = bar.top + height;
        if (BlitImage(g_back, sx, sy + PREVIEW_CELL - height, g_charaImg, &bar, 1) != DD_OK) {
            return 0;
        }
    }
    int tile = g_previewTile[x][y];
    if (tile < 0 || tile > TILE_LAST_ITEM) {
        return 1;
    }
    RECT picture = AtlasRect(ATLAS_PREVIEW_TILE, tile);
    return BlitImage(g_back, sx, sy, g_charaImg, &picture, 1) == DD_OK;
}

static int DrawPreviewMap(void)
{
    RECT background = AtlasRect(ATLAS_PREVIEW_BACKGROUND);
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            LONG sx = PREVIEW_X + PREVIEW_CELL * x;
            LONG sy = PREVIEW_Y + PREVIEW_CELL * y;
            if (BlitImage(g_back, sx, sy, g_charaImg, &background, 0) != DD_OK) {
                return 0;
            }
        }
    }
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            if (!DrawPreviewCell(x, y)) {
                return 0;
            }
        }
    }
    return 1;
}

static int DrawStageNumber(void)
{
    char text[16];
    snprintf(text, sizeof text, "%03d", g_stageNo);
    for (int k = 0; k < 3; k++) {
        RECT digit = AtlasRect(ATLAS_STAGE_NUMBER_DIGIT, text[k] - '0');
        LONG x = STAGE_NUMBER_X + STAGE_NUMBER_STEP * k;
        if (BlitImage(g_back, x, STAGE_NUMBER_Y, g_stringsImg, &digit, 0) != DD_OK) {
            return 0;
        }
    }
    return 1;
}

int DrawPreview(void)
{
    if (!DrawPreviewMap() || !DrawStageNumber()) {
        return 0;
    }
    const DWORD* slots = StageBestTimes(g_stageNo);
    for (int k = 0; k < BEST_TIME_SLOTS; k++) {
        if (!DrawTime(slots[k], BEST_TIMES_X, BEST_TIMES_Y + BEST_TIMES_STEP * k, &TIME_SMALL)) {
            return 0;
        }
    }
    return 1;
}
