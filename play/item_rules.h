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

// Size and hit box of the item from its life and position.
void FitItemBox(Item* item);

// Every item in use gets the hit box of where it stands; run once the map
// is loaded, so that no item starts from the board's top-left corner.
void FitItemBoxes(void);

#endif
