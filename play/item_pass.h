// What the item rules share between their files: one item's pass with the
// box it started from, and the cell probes by board pixel.
#ifndef PLAY_ITEM_PASS_H
#define PLAY_ITEM_PASS_H

#include "play/cell_probe.h"
#include "stage/board.h"
#include "stage/items.h"

struct ItemPass {
    Item* item;
    int index;
    int bl;
    int bt;
    int br;
    int bb;
    int falling;
    int speed;
    int lifeBefore;
    int onIcyTile;
};

// One unit of liquid more in the visible cell at (px, py); none elsewhere.
void AddLiquidAt(int px, int py);

// The moving half of an item's pass: fall, handed-on step, side blocking,
// move, carry, new box and the parting of overlapping items.
void MoveItem(ItemPass* pass);

#endif
