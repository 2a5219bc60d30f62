// Storage of the item records, their clearing at stage start, and how many
// are in use.
#include "stage/items.h"

Item g_items[MAX_ITEMS];
int g_itemCount;

void ClearItems(void)
{
    for (int i = 0; i < MAX_ITEMS; i++) {
        Item* item = &g_items[i];
        item->x = 0;
        item->y = 0;
        item->w = 24;
        item->h = 24;
        item->type = 0;
        item->onTarget = 0;
        item->rolling = 0;
        item->pushDx = 0;
        item->animFrame = 0;
        item->box = RECT{0, 0, 0, 0};
    }
    g_itemCount = 0;
}

int ItemsInPlay(void)
{
    if (g_itemCount < 0) {
        return 0;
    }
    return g_itemCount < MAX_ITEMS ? g_itemCount : MAX_ITEMS;
}
