// The movable items of a stage: crates, metal blocks, boulders, ice and stars.
#ifndef STAGE_ITEMS_H
#define STAGE_ITEMS_H

#include <windows.h>

enum {
    ITEM_CRATE = 1,
    ITEM_METAL = 2,
    ITEM_BOULDER = 3,
    ITEM_ICE = 4,
    ITEM_STAR = 5,
};

const int MAX_ITEMS = 100;
const int ITEM_START_LIFE = 2100;

struct Item {
    RECT src;
    RECT box;
    int x;
    int y;
    int w;
    int h;
    int type;
    int onTarget;
    int life;
    int rolling;
    int pushDx;
    int animFrame;
    int animTime;
    int animInterval;
};

extern Item g_items[MAX_ITEMS];
extern int g_itemCount;

// Clears every record's position, size and motion and empties the list.
void ClearItems(void);

// The number of item records in use, kept within the item table.
int ItemsInPlay(void);

#endif
