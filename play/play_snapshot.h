// A copy of everything one frame of play reads or writes, so a search can go
// back to a moment of a stage and play on from it as if it had never left.
#ifndef PLAY_PLAY_SNAPSHOT_H
#define PLAY_PLAY_SNAPSHOT_H

#include <windows.h>

#include "stage/board.h"
#include "stage/items.h"
#include "stage/play_state.h"
#include "stage/switches.h"

struct FrogGlobals {
    int x;
    int y;
    RECT rect;
    int vx;
    double vy;
    int pose;
    int airborne;
    int headroom;
    int onItem;
    int groundSpeed;
    int animFrames;
    int animFrame;
    int animTime;
    int animInterval;
    RECT clearSrc;
    int swimPose;
};

struct ClockGlobals {
    int running;
    int tick;
    DWORD playTime;
    int paused;
    int pauseCursor;
    int leaving;
    int fadeInPending;
    int stageBgm;
};

struct ClearGlobals {
    double letterY[CLEAR_LETTERS];
    double letterVy[CLEAR_LETTERS];
    int bounces;
    int soundPending;
    double jumpVy;
};

struct PlaySnapshot {
    Cell board[BOARD_COLUMNS][BOARD_ALL_ROWS];
    Item items[MAX_ITEMS];
    int itemCount;
    int switchState[SWITCH_SLOTS];
    FrogGlobals frog;
    ClockGlobals clock;
    ClearGlobals clear;
    int targetCount;
    int streamPhase;
    int streamTime;
    int wavePhase;
    int waveTime;
    BYTE key[256];
    BYTE keyLatch[256];
    DWORD randSeed;
    DWORD now;
    BYTE scene;
};

void SavePlaySnapshot(PlaySnapshot* out);
void RestorePlaySnapshot(const PlaySnapshot* in);

#endif
