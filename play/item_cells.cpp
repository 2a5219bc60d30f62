// The cells the item rules probe, by board pixel. Columns and rows come from
// truncating divisions; everything outside the board reads as solid and
// takes no writes, so no position can index past the board.
#include "play/item_pass.h"

#include "stage/tiles.h"

static Cell SolidCell(void)
{
    Cell cell = {};
    cell.tile = TILE_WALL;
    cell.kind = KIND_SOLID;
    return cell;
}

static const Cell OUTSIDE_CELL = SolidCell();

const Cell* ItemCellAt(int px, int py)
{
    int x = px / CELL_SIZE;
    int y = py / CELL_SIZE;
    if (x < 0 || x >= BOARD_COLUMNS || y < 0 || y >= BOARD_ALL_ROWS) {
        return &OUTSIDE_CELL;
    }
    return &g_board[x][y];
}

int PassableAt(int px, int py)
{
    return ItemCellAt(px, py)->passable != 0;
}

int RowTop(int py)
{
    return py / CELL_SIZE * CELL_SIZE;
}

Cell* VisibleCellAt(int px, int py)
{
    int x = px / CELL_SIZE;
    int y = py / CELL_SIZE;
    if (x < 0 || x >= BOARD_COLUMNS || y < 0 || y >= BOARD_ROWS) {
        return NULL;
    }
    return &g_board[x][y];
}

void AddLiquidAt(int px, int py)
{
    Cell* cell = VisibleCellAt(px, py);
    if (cell != NULL) {
        cell->level++;
    }
}

int ItemsInPlay(void)
{
    if (g_itemCount < 0) {
        return 0;
    }
    return g_itemCount < MAX_ITEMS ? g_itemCount : MAX_ITEMS;
}
