// Item-rule helpers over the board and the item table: liquid released into
// a visible cell only, and the number of records in play kept in the table.
#include "play/item_pass.h"

void AddLiquidAt(int px, int py)
{
    Cell* cell = ProbeVisibleCell(px, py);
    if (cell != NULL) {
        cell->level++;
    }
}

int ItemsInPlay(void)
{
    if (g_itemCount < 0) {
        return 0;
    }
    return g_itemCount < MAX_ITEMS ? g_itemCount : MAX_ITEMS;
}
