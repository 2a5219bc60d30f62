// The generator: seed = seed x 214013 + 2531011, result bits 16 to 30.
#include "stage/game_rand.h"

DWORD g_randSeed = 1;

int GameRand(void)
{
    g_randSeed = g_randSeed * 214013u + 2531011u;
    return (int)((g_randSeed >> 16) & 0x7FFF);
}
