// The board's storage and its reset to blank solid cells.
#include "stage/board.h"

#include "stage/tiles.h"

Cell g_board[BOARD_COLUMNS][BOARD_ALL_ROWS];

void ResetBoard(int now)
{
    Cell blank = {};
    blank.kind = KIND_SOLID;
    blank.maxHeight = 24;
    blank.unitHeight = 1;
    blank.frameCount = 1;
    blank.animTime = now;
    blank.animInterval = 25;
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            g_board[x][y] = blank;
        }
    }
}
