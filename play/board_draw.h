// The board drawing: liquid, surfaces, streams, tiles and items, with the taps
// pouring, plates springing back and cell animations stepping on the way.
#ifndef PLAY_BOARD_DRAW_H
#define PLAY_BOARD_DRAW_H

// Draws the board into the back buffer; stops at the first failing blit.
void DrawBoard(void);

#endif
