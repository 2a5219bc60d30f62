// The play screen (being written).
#include "play/play_screen.h"

void RunPlay(void)
{
}

void DrawClock(void)
{
}
