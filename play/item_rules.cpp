// UpdateItems: each item in turn melts, rests on what lies under it, floats,
// rides belts, meets the frog, rolls, presses plates and may cover targets;
// the item that completes the cover clears the stage before it moves.
#include "play/item_rules.h"

#include <algorithm>

#include "app/app_state.h"
#include "audio/sound.h"
#include "play/item_pass.h"
#include "stage/play_state.h"
#include "stage/switches.h"
#include "stage/tiles.h"

struct ItemRule {
    int pushStep;
    int pushedOnlyWhenFeetBlocked;
    int floats;
    int melts;
    int rolls;
};

// By item type: pixels the frog pushes it per frame, whether it floats in
// liquid, melts, and keeps rolling. Other types are neither pushed nor float.
static const ItemRule ITEM_RULES[] = {
    {0, 0, 0, 0, 0},
    {2, 0, 1, 0, 0},  // ITEM_CRATE
    {1, 1, 0, 0, 0},  // ITEM_METAL
    {1, 0, 0, 0, 0},  // ITEM_BOULDER
    {2, 0, 1, 1, 0},  // ITEM_ICE
    {2, 0, 0, 0, 1},  // ITEM_STAR
};

static const ItemRule* RuleOf(const Item* item)
{
    int type = item->type >= ITEM_CRATE && item->type <= ITEM_STAR ? item->type : 0;
    return &ITEM_RULES[type];
}

static void StartPass(ItemPass* pass, int index)
{
    Item* item = &g_items[index];
    pass->item = item;
    pass->index = index;
    pass->bl = item->box.left;
    pass->bt = item->box.top;
    pass->br = item->box.right;
    pass->bb = item->box.bottom;
    pass->falling = 1;
    pass->speed = 0;
    pass->lifeBefore = item->life;
    pass->onIcyTile = ProbeCell(pass->bl, pass->bb + 1)->tile == TILE_ICE ||
                      ProbeCell(pass->br, pass->bb + 1)->tile == TILE_ICE;
}

// Ice loses one life, and at every life of 1 modulo 100 gives a unit of
// liquid to the cell at its box's top-left corner. On an icy tile the life
// comes back later in the pass, so the units wait for ReleaseIcyMelt.
static void Melt(ItemPass* pass)
{
    Item* item = pass->item;
    if (!RuleOf(item)->melts || item->life <= 0) {
        return;
    }
    item->life--;
    if (!pass->onIcyTile && item->life % 100 == 1) {
        AddLiquidAt(pass->bl, pass->bt);
    }
}

// The units of the lives an ice block on an icy tile has really lost.
static void ReleaseIcyMelt(const ItemPass* pass)
{
    for (int life = pass->item->life; life < pass->lifeBefore; life++) {
        if (life % 100 == 1) {
            AddLiquidAt(pass->bl, pass->bt);
        }
    }
}

// Box bottom one pixel above the top of the row under it.
static void RestOnRowBelow(ItemPass* pass)
{
    pass->item->y = ProbeRowTop(pass->bb + 1) - pass->item->h;
    pass->falling = 0;
}

static void RestOnSolid(ItemPass* pass)
{
    if (!ProbePassable(pass->bl, pass->bb + 1) || !ProbePassable(pass->br, pass->bb + 1)) {
        RestOnRowBelow(pass);
    }
}

// 1 when the liquid surface of the cell at (px, py) lies above that point.
static int SurfaceAbove(int px, int py)
{
    return ProbeRowTop(py) + CELL_SIZE - CellFillHeight(ProbeCell(px, py)) < py;
}

// Floating items rise 2 px while the surface is more than 12 px above their
// box bottom and there is room overhead; ice melts twice as fast afloat.
static void Float(ItemPass* pass)
{
    if (!RuleOf(pass->item)->floats || ProbeCell(pass->bl, pass->bb - 10)->level == 0 ||
        !SurfaceAbove(pass->bl, pass->bb - 10)) {
        return;
    }
    if (SurfaceAbove(pass->bl, pass->bb - 12) && ProbePassable(pass->bl, pass->bt - 2) &&
        ProbePassable(pass->br, pass->bt - 2)) {
        pass->item->y -= 2;
    }
    Melt(pass);
    pass->falling = 0;
}

static void RideBelt(ItemPass* pass)
{
    const Cell* left = ProbeCell(pass->bl, pass->bb + 1);
    const Cell* right = ProbeCell(pass->br, pass->bb + 1);
    if (left->kind != KIND_DEVICE && right->kind != KIND_DEVICE) {
        return;
    }
    RestOnRowBelow(pass);
    if (left->kind == KIND_DEVICE) {
        pass->speed = left->direction * left->active;
    }
    if (right->kind == KIND_DEVICE) {
        pass->speed = right->direction * right->active;
    }
}

// Ice resting on icy tiles gets back the life it lost this pass, except the
// extra life lost while floating.
static void RestOnIcyTile(ItemPass* pass)
{
    if (!pass->onIcyTile) {
        return;
    }
    RestOnRowBelow(pass);
    Item* item = pass->item;
    if (RuleOf(item)->melts && item->life > 0) {
        item->life++;
    }
    ReleaseIcyMelt(pass);
}

// Pushed from the frog's side; the frog is set back so that its hit box
// overlaps the item's old box by one pixel.
static void PushedByFrog(ItemPass* pass)
{
    Item* item = pass->item;
    const ItemRule* rule = RuleOf(item);
    int step = rule->pushedOnlyWhenFeetBlocked && g_frogHeadroom != 0 ? 0 : rule->pushStep;
    int side = g_frogRect.left <= item->box.left ? 1 : -1;
    pass->speed += side * step;
    if (rule->rolls) {
        item->rolling = side > 0 ? std::min(item->rolling + 2, 2) : std::max(item->rolling - 2, -2);
    }
    g_frogX = side > 0 ? item->box.left - 17 : item->box.right - 7;
}

static int FrogAboveOrBelow(const RECT* box)
{
    return box->left - 15 < g_frogX && g_frogX < box->right - 9;
}

static int FrogCanStandOn(const RECT* box)
{
    return g_frogRect.bottom < box->top + 8 && g_frogAirborne == 0 &&
           ProbePassable(g_frogRect.right, g_frogRect.top - 5) &&
           ProbePassable(g_frogRect.left, g_frogRect.top - 5) && FrogAboveOrBelow(box);
}

// The frog touching the item ends up on top of it, under it, or beside it
// pushing it.
static void MeetFrog(ItemPass* pass)
{
    const RECT* box = &pass->item->box;
    if (!RectsOverlap(&g_frogRect, box)) {
        return;
    }
    if (FrogCanStandOn(box)) {
        g_frogY = pass->bt - 36;
        g_frogOnItem = 1;
    } else if (g_frogRect.top > box->bottom - 5 && FrogAboveOrBelow(box)) {
        g_frogY = box->bottom - 7;
    } else {
        PushedByFrog(pass);
    }
}

// A plate is pressed when the point 5 px above the box bottom lies in its
// cell's lower half; nothing here lets it go.
static void PressPlate(int px, int py)
{
    Cell* cell = ProbeVisibleCell(px, py);
    if (cell == NULL || cell->tile != TILE_SWITCH_PLATE || py <= ProbeRowTop(py) + 12) {
        return;
    }
    cell->switchOn = 1;
    StoreSwitchState(cell->switchNo, 1);
    ApplySwitches();
}

static int OnTargets(const ItemPass* pass)
{
    return ProbeCell(pass->bl + 1, pass->bt + 1)->tile == TILE_TARGET &&
           ProbeCell(pass->br - 1, pass->bb - 1)->tile == TILE_TARGET;
}

// The resting half of an item's pass, up to the target test.
static void RestItem(ItemPass* pass)
{
    Melt(pass);
    RestOnSolid(pass);
    Float(pass);
    RideBelt(pass);
    RestOnIcyTile(pass);
    MeetFrog(pass);
    pass->speed += pass->item->rolling;
    PressPlate(pass->bl, pass->bb - 5);
    PressPlate(pass->br, pass->bb - 5);
    pass->item->onTarget = OnTargets(pass);
}

static void ClearStage(void)
{
    if (g_clockRunning == 1 && g_seOn) {
        PlaySound(SOUND_CLEAR);
    }
    g_clockRunning = 0;
    g_scene = SCENE_PLAY_CLEAR;
}

void UpdateItems(void)
{
    g_frogOnItem = 0;
    int covered = 0;
    int count = ItemsInPlay();
    for (int i = 0; i < count; i++) {
        if (g_items[i].life == 0) {
            continue;
        }
        ItemPass pass;
        StartPass(&pass, i);
        RestItem(&pass);
        covered += pass.item->onTarget;
        if (covered == g_targetCount) {
            ClearStage();
            return;
        }
        MoveItem(&pass);
    }
}
