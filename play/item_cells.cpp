// Item-rule helper over the board: liquid released into a visible cell only.
#include "play/item_pass.h"

void AddLiquidAt(int px, int py)
{
    Cell* cell = ProbeVisibleCell(px, py);
    if (cell != NULL) {
        cell->level++;
    }
}
