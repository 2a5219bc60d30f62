// An item's size and hit box, from its life and where it stands.
#ifndef STAGE_ITEM_BOX_H
#define STAGE_ITEM_BOX_H

#include "stage/items.h"

// The size of an item that has not begun to melt.
const int ITEM_FULL_SIZE = 24;

// Size and hit box of the item from its life and position.
void FitItemBox(Item* item);

// Every item in use gets the hit box of where it stands; run once the map
// is loaded, so that no item starts from the board's top-left corner.
void FitItemBoxes(void);

#endif
