// The board of cells: 25 columns by 19 visible rows, with a hidden row below
// that stays zero so rules looking below row 18 see a closed blank cell.
#ifndef STAGE_BOARD_H
#define STAGE_BOARD_H

const int BOARD_COLUMNS = 25;
const int BOARD_ROWS = 19;
const int BOARD_ALL_ROWS = BOARD_ROWS + 1;
const int CELL_SIZE = 24;
// Where board pixel (0, 0) lies on the screen.
const int BOARD_SCREEN_X = 20;
const int BOARD_SCREEN_Y = 12;

struct Cell {
    int tile;
    int kind;
    int passable;
    int region;
    int param;
    int switchNo;
    int runSwitch;
    int dirSwitch;
    int switchOn;
    int active;
    int direction;
    int headX;
    int headY;
    int permeable;
    int level;
    int maxHeight;
    int baseHeight;
    int unitHeight;
    int frameCount;
    int frame;
    int frameBase;
    int animTime;
    int animInterval;
};

extern Cell g_board[BOARD_COLUMNS][BOARD_ALL_ROWS];

// Height in pixels of the liquid surface above the cell's bottom edge.
inline int CellFillHeight(const Cell* cell)
{
    return cell->level * cell->unitHeight + cell->baseHeight;
}

inline int CellIsFull(const Cell* cell)
{
    return CellFillHeight(cell) >= cell->maxHeight;
}

// Height of the cell's liquid surface above the bottom of the board.
inline int CellSurfaceHeight(const Cell* cell, int row)
{
    return (BOARD_ROWS - 1 - row) * CELL_SIZE + CellFillHeight(cell);
}

// Every visible cell back to the blank solid cell; the hidden row is kept.
void ResetBoard(int now);

#endif
