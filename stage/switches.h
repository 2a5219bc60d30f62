// Switch states by switch number, and their carrying into wired devices.
#ifndef STAGE_SWITCHES_H
#define STAGE_SWITCHES_H

#include "stage/board.h"

// Switch numbers run from 1 to at most one per visible cell; 0 means none.
const int SWITCH_SLOTS = BOARD_COLUMNS * BOARD_ROWS + 1;

extern int g_switchState[SWITCH_SLOTS];

// Gives every porthole and belt the state of the switches wired to it.
void ApplySwitches(void);

#endif
