// Cell probes by board pixel, shared by the frog and the item rules.
#include "play/cell_probe.h"

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

static Cell* BoardCell(int px, int py, int rows)
{
    int column = px / CELL_SIZE;
    int row = py / CELL_SIZE;
    if (column < 0 || column >= BOARD_COLUMNS || row < 0 || row >= rows) {
        return NULL;
    }
    return &g_board[column][row];
}

const Cell* ProbeCell(int px, int py)
{
    const Cell* cell = BoardCell(px, py, BOARD_ALL_ROWS);
    return cell != NULL ? cell : &OUTSIDE_CELL;
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
    Cell* cell = BoardCell(px, py, BOARD_ALL_ROWS);
    return cell != NULL && cell->tile == tile ? cell : NULL;
}

Cell* ProbeVisibleCell(int px, int py)
{
    return BoardCell(px, py, BOARD_ROWS);
}

void StoreSwitchState(int switchNo, int state)
{
    if (switchNo >= 0 && switchNo < SWITCH_SLOTS) {
        g_switchState[switchNo] = state;
    }
}
