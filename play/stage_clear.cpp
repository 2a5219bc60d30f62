// The stage-clear sequence (being written).
#include "play/play_screen.h"

void RunStageClear(void)
{
}
