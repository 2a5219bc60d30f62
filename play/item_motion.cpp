// The moving half of an item's pass: it falls, takes the step handed on from
// below, is stopped by walls, moves, hands its step on to what it carries,
// gets its new box, and is parted from every item it now overlaps.
#include "play/item_pass.h"
#include "play/item_rules.h"
#include "stage/item_box.h"

static int LeftSideFree(const ItemPass* pass, int speed)
{
    int px = pass->bl + speed;
    return ProbePassable(px, pass->bb - 3) && ProbePassable(px, pass->bt) && px >= 0;
}

static int RightSideFree(const ItemPass* pass, int speed)
{
    int px = pass->br + speed;
    return ProbePassable(px, pass->bb - 3) && ProbePassable(px, pass->bt);
}

// Changes the speed a pixel at a time until the side is free; stopping a
// rolling star. An item stuck in a wall that finds no free side within one
// cell's width stays where it is.
static void Unblock(ItemPass* pass, int (*sideFree)(const ItemPass*, int), int step)
{
    for (int tries = 0; pass->speed != 0 && !sideFree(pass, pass->speed); tries++) {
        if (tries == CELL_SIZE) {
            pass->speed = 0;
            return;
        }
        pass->speed += step;
        pass->item->rolling = 0;
    }
}

// Every item resting on this one's raised box takes its step in its next
// pass; returns the last of them.
static Item* Carry(const ItemPass* pass)
{
    Item* carried = NULL;
    int count = ItemsInPlay();
    for (int j = 0; j < count; j++) {
        Item* other = &g_items[j];
        if (j != pass->index && other->life != 0 && RectsOverlap(&other->box, &pass->item->box)) {
            other->pushDx = pass->speed;
            carried = other;
        }
    }
    return carried;
}

// Side by side: moved out to the side it came from, one pixel apart.
static void PartSideways(Item* item, const Item* other)
{
    if (item->box.left <= other->box.left) {
        item->x = other->box.left - item->w;
    } else {
        item->x = other->box.right + 1 - (ITEM_FULL_SIZE - item->w);
    }
    item->rolling = 0;
}

// Whether the other item, lifted to `y`, would still be in open cells.
static int RoomToLift(const Item* other, int y)
{
    int top = y + ITEM_FULL_SIZE - other->h;
    return ProbePassable(other->box.left, top) && ProbePassable(other->box.right, top);
}

// Whichever came down onto the other is set on it; side by side they part,
// and the step handed to a carried item is taken back. A rising item lifts
// the one on it, unless that one is against a ceiling: then it stays under.
static void Part(const ItemPass* pass, Item* other, Item* carried)
{
    Item* item = pass->item;
    if (item->box.bottom < other->box.top + 8) {
        item->y = other->box.top - item->h;
    } else if (item->box.top <= other->box.bottom - 5) {
        PartSideways(item, other);
        if (carried != NULL) {
            carried->pushDx = 0;
        }
    } else if (pass->falling == 1 || !RoomToLift(other, item->box.top - other->h)) {
        item->y = other->box.bottom + 1 - (ITEM_FULL_SIZE - item->h);
    } else {
        other->y = item->box.top - other->h;
    }
    FitItemBox(item);
}

static void PartOverlaps(const ItemPass* pass, Item* carried)
{
    int count = ItemsInPlay();
    for (int j = 0; j < count; j++) {
        Item* other = &g_items[j];
        if (j != pass->index && other->life != 0 && RectsOverlap(&pass->item->box, &other->box)) {
            Part(pass, other, carried);
        }
    }
}

void MoveItem(ItemPass* pass)
{
    Item* item = pass->item;
    if (pass->falling == 1) {
        item->y += 2;
    }
    if (item->pushDx != 0) {
        pass->speed += item->pushDx;
        item->pushDx = 0;
    }
    Unblock(pass, LeftSideFree, 1);
    Unblock(pass, RightSideFree, -1);
    item->x += pass->speed;
    item->box.top -= 2;
    Item* carried = Carry(pass);
    FitItemBox(item);
    PartOverlaps(pass, carried);
}
