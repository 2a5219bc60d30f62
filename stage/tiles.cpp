// What each tile code below the items gives a cell: class, whether frog and
// liquid may enter, the liquid heights, the picture frames and the parameter.
#include "stage/tiles.h"

#define SOLID {KIND_SOLID, 0, 0, 24, 0, 1, 1, PARAM_IGNORED}
#define OPEN {KIND_OPEN, 1, 1, 24, 0, 1, 1, PARAM_LEVEL}
#define PIPE(maxHeight, baseHeight, unitHeight) \
    {KIND_PIPE, 0, 1, maxHeight, baseHeight, unitHeight, 1, PARAM_LEVEL}
#define SWITCH {KIND_SWITCH, 1, 1, 24, 0, 1, 1, PARAM_SWITCH_STATE}
#define BELT(paramUse) {KIND_DEVICE, 0, 0, 24, 0, 1, 3, paramUse}

const TileInfo g_tileInfo[TILE_CODES] = {
    OPEN,                                             // 0 empty
    SOLID,                                            // 1 wall
    OPEN,                                             // 2 ladder
    PIPE(15, 10, 1),                                  // 3 mouth left
    PIPE(15, 10, 1),                                  // 4 horizontal
    PIPE(15, 10, 1),                                  // 5 mouth right
    PIPE(15, 0, 3),                                   // 6 elbow right-down
    PIPE(15, 0, 3),                                   // 7 elbow left-down
    PIPE(24, 10, 3),                                  // 8 elbow up-right
    PIPE(24, 10, 3),                                  // 9 elbow up-left
    PIPE(24, 0, 6),                                   // 10 funnel
    PIPE(24, 0, 6),                                   // 11 vertical
    PIPE(24, 0, 6),                                   // 12 mouth down
    SOLID, SOLID, SOLID, SOLID,                       // 13..16 walls
    SWITCH,                                           // 17 wheel
    SOLID, SOLID, SOLID, SOLID,                       // 18..21
    {KIND_DEVICE, 1, 0, 20, 4, 2, 1, PARAM_RUN_SWITCH},  // 22 porthole
    BELT(PARAM_DIRECTION),                            // 23 belt left end
    BELT(PARAM_BELT_DIR_SWITCH),                      // 24 belt left
    BELT(PARAM_BELT_DIR_SWITCH),                      // 25 belt right
    BELT(PARAM_BELT_RUN_SWITCH),                      // 26 belt right end
    {KIND_TAP, 1, 1, 24, 0, 1, 1, PARAM_ACTIVE},      // 27 tap
    SOLID, SOLID,                                     // 28, 29
    SWITCH,                                           // 30 lever
    SOLID,                                            // 31
    SWITCH,                                           // 32 plate
    SOLID,                                            // 33 ice
    OPEN,                                             // 34 target
    SOLID, SOLID, SOLID, SOLID, SOLID,                // 35..39
};
