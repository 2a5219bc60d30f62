// The frog's movement (being written).
#include "play/frog.h"

int g_frogSwimPose = 6;

void MoveFrog(void)
{
}
