// The board drawing (being written).
#include "play/board_draw.h"

void DrawBoard(void)
{
}
