// MoveFrog: one frame of the frog. Its footing is read from the cells around
// the hit box (ladder, ground, item, liquid, belt), then it works switches,
// starts the clock, and walks, climbs, jumps and moves, in that order.
#include "play/frog.h"

#include "app/app_state.h"
#include "play/frog_step.h"
#include "stage/play_state.h"
#include "stage/tiles.h"

int g_frogSwimPose = FROG_POSE_SWIM_RIGHT;

// Height of the frog's picture; the hit box lies 7 to 35 px down in it.
static const int FROG_HEIGHT = 36;
// Liquid above the point this far below the hit box top holds the frog up;
// above the shallower point it may also swim upward.
static const int FROG_SWIM_DEPTH = 16;
static const int FROG_FLOAT_DEPTH = 14;

// Right is tested second and wins.
static void SetWalkPose(void)
{
    if (FrogKeyHeld(VK_LEFT)) {
        g_frogPose = FROG_POSE_LEFT;
        g_frogAnimFrames = FROG_FRAMES_WALK;
    }
    if (FrogKeyHeld(VK_RIGHT)) {
        g_frogPose = FROG_POSE_RIGHT;
        g_frogAnimFrames = FROG_FRAMES_WALK;
    }
}

// Feet on top of the row below them, except while rising in a jump.
static void SnapToRow(const FrogStep* step)
{
    if (g_frogAirborne != 1) {
        g_frogY = ProbeRowTop(step->bottom + 1) - FROG_HEIGHT;
    }
}

static int IsLadder(int px, int py)
{
    return ProbeCell(px, py)->tile == TILE_LADDER;
}

static void HoldLadder(FrogStep* step)
{
    int l = step->left, t = step->top, r = step->right, b = step->bottom;
    if (!IsLadder(l + 5, b + 1) && !IsLadder(r - 5, b + 1) && !IsLadder(l + 5, t) && !IsLadder(r - 5, t)) {
        return;
    }
    step->falling = 0;
    step->grounded = 1;
    g_frogPose = FROG_POSE_LADDER;
    g_frogAnimFrames = FROG_FRAMES_STILL;
    g_groundSpeed = 0;
    if (FrogKeyHeld(VK_UP) && (IsLadder(l, b - 1) || IsLadder(r, b - 1))) {
        step->climbing = 1;
        g_frogAnimFrames = FROG_FRAMES_CLIMB;
    }
    if (FrogKeyHeld(VK_DOWN)) {
        step->climbing = 1;
        g_frogAnimFrames = FROG_FRAMES_CLIMB;
    }
}

static void StandOnGround(FrogStep* step)
{
    if (ProbePassable(step->left, step->bottom + 1) && ProbePassable(step->right, step->bottom + 1)) {
        return;
    }
    SnapToRow(step);
    step->falling = 0;
    step->grounded = 1;
    step->canJump = 1;
    g_frogPose = FROG_POSE_STAND;
    g_groundSpeed = 0;
    SetWalkPose();
}

// The item rules put the frog on an item last frame; it may walk and jump,
// but it still falls until they put it back.
static void StandOnItem(FrogStep* step)
{
    if (g_frogOnItem != 1) {
        return;
    }
    step->grounded = 1;
    step->canJump = 1;
    g_frogPose = FROG_POSE_STAND;
    g_groundSpeed = 0;
    SetWalkPose();
}

// The cell's level is read as pixels of liquid above its bottom edge. A point
// on the top edge of a full cell is under water when the cell above holds
// any: otherwise a frog whose test point lands exactly there could not swim
// up through deep water.
static int UnderSurface(const FrogStep* step, int depth)
{
    int py = step->top + depth;
    const Cell* cell = ProbeCell(step->left, py);
    int rowTop = ProbeRowTop(py);
    if (cell->level >= CELL_SIZE && rowTop == py) {
        return ProbeCell(step->left, py - 1)->level != 0;
    }
    return cell->level != 0 && rowTop + CELL_SIZE - cell->level < py;
}

static void Swim(FrogStep* step)
{
    if (!UnderSurface(step, FROG_SWIM_DEPTH)) {
        return;
    }
    step->falling = 0;
    step->grounded = 1;
    g_frogVy = 0.0;
    g_groundSpeed = 0;
    if (FrogKeyHeld(VK_LEFT)) {
        g_frogSwimPose = FROG_POSE_SWIM_LEFT;
    }
    if (FrogKeyHeld(VK_RIGHT)) {
        g_frogSwimPose = FROG_POSE_SWIM_RIGHT;
    }
    g_frogPose = g_frogSwimPose;
    g_frogAnimFrames = FROG_FRAMES_SWIM;
    if (FrogKeyHeld(VK_UP) && UnderSurface(step, FROG_FLOAT_DEPTH)) {
        step->climbing = 1;
    }
    if (FrogKeyHeld(VK_DOWN)) {
        step->climbing = 1;
    }
}

static int BeltSpeed(const Cell* cell)
{
    return cell->direction * cell->active;
}

// A device under a foot is ground that carries the frog at its belt speed;
// the right foot's device wins.
static void RideDevice(FrogStep* step)
{
    const Cell* left = ProbeCell(step->left, step->bottom + 1);
    const Cell* right = ProbeCell(step->right, step->bottom + 1);
    if (left->kind != KIND_DEVICE && right->kind != KIND_DEVICE) {
        return;
    }
    SnapToRow(step);
    step->falling = 0;
    step->grounded = 1;
    step->canJump = 1;
    SetWalkPose();
    if (left->kind == KIND_DEVICE) {
        step->dx = BeltSpeed(left);
    }
    if (right->kind == KIND_DEVICE) {
        step->dx = BeltSpeed(right);
    }
    g_groundSpeed = step->dx;
}

// The clock starts the first time the frog stands, swims or holds a ladder.
static void StartClock(const FrogStep* step)
{
    if (g_clockRunning == 0 && (step->falling == 0 || g_frogOnItem == 1)) {
        g_clockTick = (int)g_now;
        g_clockRunning = 1;
    }
}

// Falling outside a jump has no acceleration.
static void FallPlain(const FrogStep* step)
{
    if (step->falling == 1 && g_frogVy == 0.0) {
        g_frogY += FROG_FALL_STEP;
    }
}

static void ReadFooting(FrogStep* step)
{
    HoldLadder(step);
    StandOnGround(step);
    StandOnItem(step);
    Swim(step);
    RideDevice(step);
}

static void Travel(FrogStep* step)
{
    FallPlain(step);
    FrogWalk(step);
    FrogClimb(step);
    FrogJump(step);
    FrogSteer(step);
    FrogBlockSides(step);
    FrogBlockVertical(step);
    FrogMoveBody(step);
    FrogApplyGravity();
}

void MoveFrog(void)
{
    FrogStep step = {};
    step.left = g_frogRect.left;
    step.top = g_frogRect.top;
    step.right = g_frogRect.right;
    step.bottom = g_frogRect.bottom;
    step.falling = 1;
    g_frogPose = FROG_POSE_STAND;
    ReadFooting(&step);
    FrogPressPlates(&step);
    FrogProbeHeadroom(&step);
    FrogOperate(&step);
    if (g_frogPose == FROG_POSE_STAND) {
        g_frogAnimFrames = FROG_FRAMES_STILL;
    }
    StartClock(&step);
    Travel(&step);
    g_frogRect = RECT{g_frogX + 6, g_frogY + 7, g_frogX + 18, g_frogY + FROG_HEIGHT - 1};
}
