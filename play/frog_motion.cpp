// The frog's motion within a frame: walking and climbing steps, the jump with
// its steering and gravity, blocking by solid cells, and the move itself.
#include "play/frog_step.h"

#include "play/frog.h"
#include "stage/play_state.h"

// Each blocking loop gives way by at most one cell's width, so a hit box that
// starts inside solid cells cannot hold up the frame.
static const int FROG_BLOCK_PASSES = CELL_SIZE;

void FrogWalk(FrogStep* step)
{
    if (step->grounded != 1) {
        return;
    }
    if (FrogKeyHeld(VK_LEFT)) {
        step->dx -= FROG_WALK_STEP;
    }
    if (FrogKeyHeld(VK_RIGHT)) {
        step->dx += FROG_WALK_STEP;
    }
}

static int RowOpen(int leftX, int rightX, int py)
{
    return ProbePassable(leftX, py) && ProbePassable(rightX, py);
}

void FrogClimb(FrogStep* step)
{
    if (step->climbing != 1) {
        return;
    }
    if (FrogKeyHeld(VK_UP) && RowOpen(step->left, step->right, step->top - 2)) {
        step->dy -= FROG_WALK_STEP;
    }
    if (FrogKeyHeld(VK_DOWN) && RowOpen(step->left, step->right, step->bottom + 2)) {
        step->dy += FROG_WALK_STEP;
    }
}

// Take-off keeps the walking and conveyor speed; coming down onto something
// to stand on ends the jump.
void FrogJump(const FrogStep* step)
{
    if (TakeKeyPressIf('X', step->canJump)) {
        g_frogVy = FROG_JUMP_SPEED;
        g_frogVx = step->dx;
    } else if (step->canJump == 1 && g_frogVy > 0.0) {
        g_frogVy = 0.0;
        g_frogVx = 0;
    }
}

// In the air the arrows steer within two pixels of the ground speed at
// take-off, and the pose follows the direction of travel.
void FrogSteer(FrogStep* step)
{
    if (g_frogVy == 0.0) {
        return;
    }
    if (FrogKeyHeld(VK_LEFT)) {
        g_frogVx -= FROG_STEER_STEP;
    }
    if (g_frogVx < g_groundSpeed - FROG_STEER_RANGE) {
        g_frogVx = g_groundSpeed - FROG_STEER_RANGE;
    }
    if (FrogKeyHeld(VK_RIGHT)) {
        g_frogVx += FROG_STEER_STEP;
    }
    if (g_frogVx > g_groundSpeed + FROG_STEER_RANGE) {
        g_frogVx = g_groundSpeed + FROG_STEER_RANGE;
    }
    g_frogPose = g_frogVx < 0 ? FROG_POSE_LEFT : g_frogVx > 0 ? FROG_POSE_RIGHT : FROG_POSE_STAND;
    g_frogAnimFrames = g_frogVx != 0 ? FROG_FRAMES_AIR : FROG_FRAMES_STILL;
    step->dx = g_frogVx;
}

// A hit-box side at column px is clear when the cells beside the feet and
// beside the top are both passable.
static int SideOpen(const FrogStep* step, int px)
{
    return ProbePassable(px, step->bottom - FROG_FOOT_REACH) && ProbePassable(px, step->top);
}

void FrogBlockSides(FrogStep* step)
{
    for (int pass = 0; pass < FROG_BLOCK_PASSES && step->dx != 0 && !SideOpen(step, step->left + step->dx);
         pass++) {
        step->dx += 1;
    }
    for (int pass = 0; pass < FROG_BLOCK_PASSES && step->dx != 0 && !SideOpen(step, step->right + step->dx);
         pass++) {
        step->dx -= 1;
    }
    g_frogVx = step->dx;
}

// The feet are tested first and give way upward, then the head downward.
void FrogBlockVertical(const FrogStep* step)
{
    int left = step->left + 3;
    int right = step->right - 3;
    for (int pass = 0; pass < FROG_BLOCK_PASSES && g_frogVy != 0.0 &&
                       !RowOpen(right, left, step->bottom + (int)g_frogVy - 2);
         pass++) {
        g_frogVy -= FROG_BLOCK_STEP;
    }
    for (int pass = 0; pass < FROG_BLOCK_PASSES && g_frogVy != 0.0 &&
                       !RowOpen(right, left, step->top + (int)g_frogVy);
         pass++) {
        g_frogVy += FROG_BLOCK_STEP;
    }
}

void FrogMoveBody(const FrogStep* step)
{
    g_frogX += step->dx;
    if (g_frogVy != 0.0) {
        g_frogY += (int)g_frogVy;
    } else {
        g_frogY += step->dy;
    }
    if (g_frogX < FROG_X_MIN) {
        g_frogX = FROG_X_MIN;
    }
    if (g_frogX > FROG_X_MAX) {
        g_frogX = FROG_X_MAX;
    }
}

// A jump speed that comes out exactly 0.0 would end the jump in mid-air, so
// it is nudged on to the first falling speed.
void FrogApplyGravity(void)
{
    if (g_frogVy == 0.0) {
        return;
    }
    g_frogVy += FROG_GRAVITY;
    if (g_frogVy > FROG_MAX_FALL) {
        g_frogVy = FROG_MAX_FALL;
    }
    if (g_frogVy == 0.0) {
        g_frogVy = FROG_GRAVITY;
    }
    if (g_frogVy < FROG_JUMP_SPEED) {
        g_frogVy = FROG_JUMP_SPEED;
    }
    g_frogAirborne = g_frogVy < 0.0 ? 1 : 0;
}
