// Cell probes for the frog: board pixels to cells, with everything beyond the
// board reading as a wall, and switch writes kept inside the switch table.
#include "play/frog_step.h"

#include <stddef.h>

#include "stage/switches.h"
#include "stage/tiles.h"

static Cell MakeOutsideCell(void)
{
    Cell cell = {};
    cell.tile = TILE_WALL;
    cell.kind = KIND_SOLID;
    return cell;
}

static const Cell OUTSIDE_CELL = MakeOutsideCell();

static int OnBoard(int px, int py)
{
    int column = px / CELL_SIZE;
    int row = py / CELL_SIZE;
    return column >= 0 && column < BOARD_COLUMNS && row >= 0 && row < BOARD_ALL_ROWS;
}

const Cell* ProbeCell(int px, int py)
{
    if (!OnBoard(px, py)) {
        return &OUTSIDE_CELL;
    }
    return &g_board[px / CELL_SIZE][py / CELL_SIZE];
}

int ProbePassable(int px, int py)
{
    return ProbeCell(px, py)->passable != 0;
}

int ProbeRowTop(int py)
{
    return py / CELL_SIZE * CELL_SIZE;
}

Cell* ProbeTile(int px, int py, int tile)
{
    if (!OnBoard(px, py) || g_board[px / CELL_SIZE][py / CELL_SIZE].tile != tile) {
        return NULL;
    }
    return &g_board[px / CELL_SIZE][py / CELL_SIZE];
}

void StoreSwitchState(int switchNo, int state)
{
    if (switchNo >= 0 && switchNo < SWITCH_SLOTS) {
        g_switchState[switchNo] = state;
    }
}
