// Tile codes of the map, cell classes, and the table of what each tile code
// gives a cell when a stage is loaded.
#ifndef STAGE_TILES_H
#define STAGE_TILES_H

enum {
    TILE_EMPTY = 0,
    TILE_WALL = 1,
    TILE_LADDER = 2,
    TILE_PIPE_MOUTH_LEFT = 3,
    TILE_PIPE_HORIZONTAL = 4,
    TILE_PIPE_MOUTH_RIGHT = 5,
    TILE_PIPE_ELBOW_RIGHT_DOWN = 6,
    TILE_PIPE_ELBOW_LEFT_DOWN = 7,
    TILE_PIPE_ELBOW_UP_RIGHT = 8,
    TILE_PIPE_ELBOW_UP_LEFT = 9,
    TILE_PIPE_FUNNEL = 10,
    TILE_PIPE_VERTICAL = 11,
    TILE_PIPE_MOUTH_DOWN = 12,
    TILE_WALL_PIPE_H = 13,
    TILE_WALL_PIPE_V = 14,
    TILE_WALL_WINDOW = 15,
    TILE_WALL_SPIKES = 16,
    TILE_SWITCH_WHEEL = 17,
    TILE_PORTHOLE = 22,
    TILE_BELT_LEFT_END = 23,
    TILE_BELT_LEFT = 24,
    TILE_BELT_RIGHT = 25,
    TILE_BELT_RIGHT_END = 26,
    TILE_TAP = 27,
    TILE_SWITCH_LEVER = 30,
    TILE_SWITCH_PLATE = 32,
    TILE_ICE = 33,
    TILE_TARGET = 34,
    TILE_FIRST_ITEM = 40,
    TILE_LAST_ITEM = 44,
};

enum {
    KIND_OPEN = 0,
    KIND_SOLID = 1,
    KIND_PIPE = 2,
    KIND_SWITCH = 3,
    KIND_DEVICE = 4,
    KIND_TAP = 5,
};

// Where a tile's map parameter goes at stage start.
enum {
    PARAM_IGNORED,
    PARAM_LEVEL,
    PARAM_SWITCH_STATE,
    PARAM_RUN_SWITCH,
    PARAM_DIRECTION,
    PARAM_BELT_DIR_SWITCH,
    PARAM_BELT_RUN_SWITCH,
    PARAM_ACTIVE,
};

struct TileInfo {
    int kind;
    int passable;
    int permeable;
    int maxHeight;
    int baseHeight;
    int unitHeight;
    int frameCount;
    int paramUse;
};

// Number of tile codes below the items, all of which the table lists.
const int TILE_CODES = 40;
extern const TileInfo g_tileInfo[TILE_CODES];

#endif
