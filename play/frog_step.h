// Shared by the frog's movement files: the working values of one frame, the
// cell probes around the hit box and the steps that make up MoveFrog.
#ifndef PLAY_FROG_STEP_H
#define PLAY_FROG_STEP_H

#include "input/input.h"
#include "play/cell_probe.h"
#include "stage/board.h"

// The hit box as found on entry, which every probe of the frame uses even
// after the frog has moved, and what its footing allows this frame.
struct FrogStep {
    int left;
    int top;
    int right;
    int bottom;
    int falling;
    int grounded;
    int canJump;
    int climbing;
    int dx;
    int dy;
};

// The rules' constants.
const int FROG_WALK_STEP = 2;           // walking, climbing and swimming step
const int FROG_FALL_STEP = 3;           // falling step when not in a jump
const double FROG_JUMP_SPEED = -4.5;    // take-off speed, also the fastest rise
const double FROG_GRAVITY = 0.3;        // added to the jump speed per frame
const double FROG_MAX_FALL = 7.0;       // fastest fall during a jump
const double FROG_BLOCK_STEP = 1.0;     // shortening of a blocked jump speed
const int FROG_STEER_STEP = 1;          // steering change per frame in the air,
const int FROG_STEER_RANGE = 2;         // within this of the ground speed
const int FROG_X_MIN = 0;               // range of g_frogX
const int FROG_X_MAX = 576;

// How far beside and above the feet switches and walls are looked for.
const int FROG_FOOT_REACH = 5;

const int FROG_FRAMES_STILL = 1;
const int FROG_FRAMES_WALK = 4;
const int FROG_FRAMES_AIR = 2;
const int FROG_FRAMES_CLIMB = 2;
const int FROG_FRAMES_SWIM = 2;

inline int FrogKeyHeld(int key)
{
    return g_key[key] != 0;
}


void FrogPressPlates(const FrogStep* step);
void FrogProbeHeadroom(const FrogStep* step);
void FrogOperate(const FrogStep* step);

void FrogWalk(FrogStep* step);
void FrogClimb(FrogStep* step);
void FrogJump(const FrogStep* step);
void FrogSteer(FrogStep* step);
void FrogBlockSides(FrogStep* step);
void FrogBlockVertical(const FrogStep* step);
void FrogMoveBody(const FrogStep* step);
void FrogApplyGravity(void);

#endif
