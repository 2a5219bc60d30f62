// The frog on the board: walking, climbing, swimming, falling, jumping, riding
// belts, pressing plates and turning wheels and levers.
#ifndef PLAY_FROG_H
#define PLAY_FROG_H

enum {
    FROG_POSE_STAND = 0,
    FROG_POSE_LEFT = 1,
    FROG_POSE_RIGHT = 2,
    FROG_POSE_LADDER = 3,
    FROG_POSE_OPERATE = 4,
    FROG_POSE_SWIM_LEFT = 5,
    FROG_POSE_SWIM_RIGHT = 6,
};

// The swimming pose to show, 5 or 6; kept from stage to stage.
extern int g_frogSwimPose;

// One frame of the frog's movement, on the key states of the last sample.
void MoveFrog(void);

#endif
