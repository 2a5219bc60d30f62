// The game's random numbers: the classic linear generator, never seeded, so
// every run draws the same sequence.
#ifndef STAGE_GAME_RAND_H
#define STAGE_GAME_RAND_H

#include <windows.h>

extern DWORD g_randSeed;

// Next number from 0 to 32767.
int GameRand(void);

#endif
