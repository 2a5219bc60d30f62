// Switch states and ApplySwitches: portholes open with their switch, belt
// heads take run and direction from theirs and hand both down the belt.
#include "stage/switches.h"

#include "stage/tiles.h"

int g_switchState[SWITCH_SLOTS];

static void DriveFromSwitches(Cell* cell)
{
    if (cell->runSwitch != 0) {
        cell->active = g_switchState[cell->runSwitch];
        if (cell->tile == TILE_PORTHOLE) {
            cell->permeable = cell->active != 0 ? 1 : 0;
        }
    }
    if (cell->dirSwitch != 0) {
        cell->direction = g_switchState[cell->dirSwitch];
    }
}

// Walks right from a belt head to its right end, or to the board's edge when
// the row has none.
static void DriveBelt(int headX, int y)
{
    const Cell* head = &g_board[headX][y];
    for (int x = headX + 1; x < BOARD_COLUMNS; x++) {
        Cell* piece = &g_board[x][y];
        piece->direction = head->direction;
        piece->active = head->active;
        if (piece->tile == TILE_BELT_LEFT || piece->tile == TILE_BELT_RIGHT) {
            piece->tile = head->direction == 1 ? TILE_BELT_RIGHT : TILE_BELT_LEFT;
        }
        if (piece->tile == TILE_BELT_RIGHT_END) {
            return;
        }
    }
}

void ApplySwitches(void)
{
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            Cell* cell = &g_board[x][y];
            if (cell->kind == KIND_DEVICE) {
                DriveFromSwitches(cell);
            }
            if (cell->tile == TILE_BELT_LEFT_END) {
                if (cell->runSwitch == 0) {
                    cell->active = 1;
                }
                DriveBelt(x, y);
            }
        }
    }
}
