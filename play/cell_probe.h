// Cell probes of the play rules: the cell holding a board pixel, both
// divisions truncating toward zero. Everything outside the board and its
// hidden row reads as a wall, so no position can index past the board.
#ifndef PLAY_CELL_PROBE_H
#define PLAY_CELL_PROBE_H

#include "stage/board.h"

const Cell* ProbeCell(int px, int py);
// 1 when the frog may occupy the cell at (px, py).
int ProbePassable(int px, int py);
// The top pixel row of the cell row holding py.
int ProbeRowTop(int py);
// The board cell holding (px, py) when its tile is `tile`, else NULL.
Cell* ProbeTile(int px, int py, int tile);
// The visible cell at (px, py) to write to, or NULL outside the visible board.
Cell* ProbeVisibleCell(int px, int py);
// Stores a switch's state; numbers outside the switch table are ignored.
void StoreSwitchState(int switchNo, int state);

#endif
