// An item's size and hit box from its life and position.
#include "stage/item_box.h"

struct ItemSize {
    int belowLife;
    int size;
};

// Ice shrinks as it melts; at any other life an item is a full cell.
static const ItemSize ITEM_SIZES[] = {
    {700, 16},
    {1400, 20},
};


void FitItemBox(Item* item)
{
    int size = ITEM_FULL_SIZE;
    for (const ItemSize& step : ITEM_SIZES) {
        if (item->life < step.belowLife) {
            size = step.size;
            break;
        }
    }
    item->w = size;
    item->h = size;
    int x = item->x;
    int y = item->y;
    item->box = RECT{x + ITEM_FULL_SIZE - size, y + ITEM_FULL_SIZE - size, x + size - 1, y + size - 1};
}

void FitItemBoxes(void)
{
    int count = ItemsInPlay();
    for (int i = 0; i < count; i++) {
        FitItemBox(&g_items[i]);
    }
}
