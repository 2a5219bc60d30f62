// The editor's checks: the game's reader on the bytes to be saved, then a
// look at the board the game builds from them for what no reader calls wrong.
#include "map_checks.h"

#include "edit_ops.h"
#include "stage/items.h"
#include "stage/map_reader.h"
#include "stage/play_state.h"
#include "stage/tiles.h"

// Line 1 is the frog's; each board line holds two characters a cell.
static void CellOfPosition(int line, int column, int* x, int* y)
{
    *x = line >= 2 ? (column - 1) / 2 : -1;
    *y = line >= 2 ? line - 2 : -1;
    if (!OnBoard(*x, *y)) {
        *x = *y = -1;
    }
}

static void CollectFault(void* context, int fault, int line, int column)
{
    MapCheck check = {true, fault, line, column, -1, -1, MapFaultText(fault)};
    CellOfPosition(line, column, &check.x, &check.y);
    ((std::vector<MapCheck>*)context)->push_back(check);
}

std::vector<MapCheck> MapFaults(const std::string& bytes)
{
    std::vector<MapCheck> found;
    MapBytes source = {(const unsigned char*)bytes.data(), bytes.size(), 0};
    MapText text;
    OpenMapText(&text, NextMemoryByte, &source);
    ReadStageMap(&text, 0, MapReport{CollectFault, &found});
    return found;
}

int CountFaults(const std::vector<MapCheck>& found)
{
    int count = 0;
    for (const MapCheck& check : found) {
        count += check.fault;
    }
    return count;
}

static void Warn(MapChecks* checks, int kind, int x, int y, const std::string& text)
{
    checks->found.push_back(MapCheck{false, kind, 0, 0, x, y, text});
}

// Off the board counts as closed on every side.
static const Cell* Neighbour(int x, int y)
{
    static const Cell closed = {};
    return OnBoard(x, y) ? &g_board[x][y] : &closed;
}

static bool ClosedAround(int x, int y, int Cell::*field)
{
    return Neighbour(x - 1, y)->*field == 0 && Neighbour(x + 1, y)->*field == 0 &&
           Neighbour(x, y - 1)->*field == 0 && Neighbour(x, y + 1)->*field == 0;
}

static void NumberCells(const MapDocument& document, MapChecks* checks)
{
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            const Cell* cell = &g_board[x][y];
            int tile = document.cells[x][y].tile;
            int param = document.cells[x][y].param - '0';
            int number = cell->switchNo;
            if (tile == 'F') {
                number = cell->runSwitch;
            } else if (tile == 'H' || tile == 'I' || tile == 'J') {
                number = param;
            }
            checks->switchNumber[x][y] = number > 0 ? number : 0;
        }
    }
}

static bool SwitchDrivesSomething(int number)
{
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            const Cell* cell = &g_board[x][y];
            if (cell->kind == KIND_DEVICE && (cell->runSwitch == number || cell->dirSwitch == number)) {
                return true;
            }
        }
    }
    return false;
}

static void CheckCells(MapChecks* checks)
{
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            const Cell* cell = &g_board[x][y];
            if (cell->kind == KIND_SWITCH && !SwitchDrivesSomething(cell->switchNo)) {
                Warn(checks, CHECK_IDLE_SWITCH, x, y,
                     "switch " + std::to_string(cell->switchNo) + " drives nothing");
            }
            if (cell->tile == TILE_TAP && cell->active == 0) {
                Warn(checks, CHECK_DRY_TAP, x, y, "tap never pours (its parameter is 0)");
            } else if (cell->tile == TILE_TAP && ClosedAround(x, y, &Cell::permeable)) {
                Warn(checks, CHECK_BOXED_TAP, x, y, "tap's water has nowhere to go");
            }
        }
    }
}

static void CheckItemsAndFrog(MapChecks* checks)
{
    int items = ItemsInPlay();
    for (int i = 0; i < items; i++) {
        int x = g_items[i].x / CELL_SIZE;
        int y = g_items[i].y / CELL_SIZE;
        if (ClosedAround(x, y, &Cell::passable)) {
            Warn(checks, CHECK_WALLED_ITEM, x, y, "item walled in on every side");
        }
    }
    if (g_targetCount == 0) {
        Warn(checks, CHECK_NO_TARGET, -1, -1, "no target: the stage can never be cleared");
    } else if (g_targetCount > items) {
        Warn(checks, CHECK_TOO_FEW_ITEMS, -1, -1,
             std::to_string(g_targetCount) + " targets but only " + std::to_string(items) + " items");
    }
    int fx = g_frogX / CELL_SIZE;
    int fy = g_frogY / CELL_SIZE;
    if (!g_board[fx][fy].passable) {
        Warn(checks, CHECK_FROG_IN_WALL, fx, fy, "the frog starts inside a wall");
    }
}

MapChecks CheckMap(const MapDocument& document)
{
    MapChecks checks;
    checks.found = MapFaults(MapDocumentBytes(document));
    NumberCells(document, &checks);
    CheckCells(&checks);
    CheckItemsAndFrog(&checks);
    return checks;
}
