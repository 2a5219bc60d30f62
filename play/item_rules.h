// The items on the board: falling, floating, pushing, melting, rolling, and
// the test that every target is covered.
#ifndef PLAY_ITEM_RULES_H
#define PLAY_ITEM_RULES_H

#include <windows.h>

#include "stage/items.h"

// 1 when the two rectangles overlap; rectangles that only touch do not.
// Inline: every item pass tests every other item twice.
inline int RectsOverlap(const RECT* a, const RECT* b)
{
    return a->left < b->right && a->right > b->left && a->top < b->bottom && a->bottom > b->top;
}

// One pass over every item; may clear the stage and set the clear scene.
void UpdateItems(void);

#endif
