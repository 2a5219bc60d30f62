// Builds cells, items and switches from the tile codes read from a map, row
// by row and left to right: items leave empty cells, switches are numbered in
// reading order, and belt pieces learn their head and wire it to switches.
#include "stage/map_build.h"

#include "stage/items.h"
#include "stage/play_state.h"
#include "stage/switches.h"
#include "stage/tiles.h"

struct BuildState {
    const CellOrigin (*origins)[BOARD_ROWS];
    MapReport report;
    int switchCount;
    int nextSwitch;
    int itemsReported;
};

static void Report(const BuildState* build, int fault, int x, int y)
{
    ReportMapFault(build->report, fault, build->origins[x][y].line, build->origins[x][y].column);
}

static int CountSwitches(void)
{
    int count = 0;
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            int tile = g_board[x][y].tile;
            count += tile == TILE_SWITCH_WHEEL || tile == TILE_SWITCH_LEVER || tile == TILE_SWITCH_PLATE;
        }
    }
    return count;
}

// A device parameter naming no switch on this map reads as no switch.
static int CheckedSwitch(int number, int x, int y, const BuildState* build)
{
    if (number >= 0 && number <= build->switchCount) {
        return number;
    }
    Report(build, MAP_FAULT_NO_SUCH_SWITCH, x, y);
    return 0;
}

static void TakeItem(Cell* cell, int x, int y, BuildState* build)
{
    if (g_itemCount < MAX_ITEMS) {
        Item* item = &g_items[g_itemCount++];
        item->animInterval = 50;
        item->life = ITEM_START_LIFE;
        item->type = cell->tile - (TILE_FIRST_ITEM - 1);
        item->x = CELL_SIZE * x;
        item->y = CELL_SIZE * y;
        item->src = RECT{120 + 24 * item->type, 96, 144 + 24 * item->type, 120};
    } else if (!build->itemsReported) {
        Report(build, MAP_FAULT_TOO_MANY_ITEMS, x, y);
        build->itemsReported = 1;
    }
    cell->tile = TILE_EMPTY;
}

static void IgnoreParam(Cell*, int, int, int, BuildState*)
{
}

static void TakeLevel(Cell* cell, int param, int, int, BuildState*)
{
    cell->level = param;
}

static void NumberSwitch(Cell* cell, int param, int, int, BuildState* build)
{
    g_switchState[build->nextSwitch] = param;
    cell->switchNo = build->nextSwitch;
    cell->switchOn = param;
    build->nextSwitch++;
}

static void WireRunSwitch(Cell* cell, int param, int x, int y, BuildState* build)
{
    cell->runSwitch = CheckedSwitch(param, x, y, build);
}

// A belt head gives its position to every piece up to its right end.
static void StartBelt(Cell* cell, int param, int x, int y, BuildState* build)
{
    cell->direction = param;
    for (int c = x + 1; c < BOARD_COLUMNS; c++) {
        g_board[c][y].headX = x;
        g_board[c][y].headY = y;
        if (g_board[c][y].tile == TILE_BELT_RIGHT_END) {
            return;
        }
    }
    Report(build, MAP_FAULT_OPEN_BELT, x, y);
}

static void WireBeltDirection(Cell* cell, int param, int x, int y, BuildState* build)
{
    int number = CheckedSwitch(param, x, y, build);
    if (number != 0) {
        g_board[cell->headX][cell->headY].dirSwitch = number;
    }
}

static void WireBeltRun(Cell* cell, int param, int x, int y, BuildState* build)
{
    int number = CheckedSwitch(param, x, y, build);
    if (number != 0) {
        g_board[cell->headX][cell->headY].runSwitch = number;
    }
}

static void TakeActive(Cell* cell, int param, int, int, BuildState*)
{
    cell->active = param;
}

typedef void (*ParamFn)(Cell* cell, int param, int x, int y, BuildState* build);

static const ParamFn PARAM_FN[] = {
    IgnoreParam,        // PARAM_IGNORED
    TakeLevel,          // PARAM_LEVEL
    NumberSwitch,       // PARAM_SWITCH_STATE
    WireRunSwitch,      // PARAM_RUN_SWITCH
    StartBelt,          // PARAM_DIRECTION
    WireBeltDirection,  // PARAM_BELT_DIR_SWITCH
    WireBeltRun,        // PARAM_BELT_RUN_SWITCH
    TakeActive,         // PARAM_ACTIVE
};

// Codes the tile table does not list stay blank solid cells, parameter kept.
static void InitCell(Cell* cell, int x, int y, BuildState* build)
{
    if (cell->tile < 0 || cell->tile >= TILE_CODES) {
        return;
    }
    const TileInfo* info = &g_tileInfo[cell->tile];
    cell->kind = info->kind;
    cell->passable = info->passable;
    cell->permeable = info->permeable;
    cell->maxHeight = info->maxHeight;
    cell->baseHeight = info->baseHeight;
    cell->unitHeight = info->unitHeight;
    cell->frameCount = info->frameCount;
    int param = cell->param;
    if (info->paramUse != PARAM_IGNORED) {
        cell->param = 0;
    }
    PARAM_FN[info->paramUse](cell, param, x, y, build);
}

void BuildBoardFromTiles(const MapOrigins origins, MapReport report)
{
    BuildState build = {origins, report, CountSwitches(), 1, 0};
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            Cell* cell = &g_board[x][y];
            if (cell->tile < 0 || cell->tile > TILE_LAST_ITEM) {
                Report(&build, MAP_FAULT_UNKNOWN_TILE, x, y);
            }
            if (cell->tile >= TILE_FIRST_ITEM) {
                TakeItem(cell, x, y, &build);
            }
            InitCell(cell, x, y, &build);
            g_targetCount += cell->tile == TILE_TARGET;
        }
    }
}
