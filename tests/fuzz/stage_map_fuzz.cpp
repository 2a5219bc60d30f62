// Fuzzes map reading and the liquid flow: any bytes as a map, then a few
// flow steps, checking that nothing wrote outside the board or its tables.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "play/liquid.h"
#include "stage/board.h"
#include "stage/items.h"
#include "stage/map_reader.h"
#include "stage/switches.h"
#include "stage/tiles.h"

static int SwitchCount()
{
    int count = 0;
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            count += g_board[x][y].kind == KIND_SWITCH;
        }
    }
    return count;
}

static void CheckBoard()
{
    int switches = SwitchCount();
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        const Cell& hidden = g_board[x][BOARD_ROWS];
        if (hidden.tile != 0 || hidden.level != 0 || hidden.permeable != 0) {
            abort();
        }
        for (int y = 0; y < BOARD_ROWS; y++) {
            const Cell& cell = g_board[x][y];
            if (cell.runSwitch < 0 || cell.runSwitch > switches || cell.dirSwitch < 0 ||
                cell.dirSwitch > switches) {
                abort();
            }
        }
    }
    if (g_itemCount < 0 || g_itemCount > MAX_ITEMS) {
        abort();
    }
}

// Enough for a body of liquid to find its level across a few cells, few
// enough for hundreds of whole maps a second under the sanitizers.
static const int FLOW_STEPS = 20;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MapBytes bytes = {data, size, 0};
    MapText text;
    OpenMapText(&text, NextMemoryByte, &bytes);
    ReadStageMap(&text, 0, MapReport{nullptr, nullptr});
    CheckBoard();
    for (int step = 0; step < FLOW_STEPS; step++) {
        FlowLiquid();
    }
    CheckBoard();
    return 0;
}
