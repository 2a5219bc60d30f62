// Play-state globals shared by the rules and drawing of the play screen:
// frog, clock, pause menu, clear banner, counts and picture phases.
#ifndef STAGE_PLAY_STATE_H
#define STAGE_PLAY_STATE_H

#include <windows.h>

extern int g_frogX;
extern int g_frogY;
extern RECT g_frogRect;
extern int g_frogVx;
extern double g_frogVy;
extern int g_frogPose;
extern int g_frogAirborne;
extern int g_frogHeadroom;
extern int g_frogOnItem;
extern int g_groundSpeed;
extern int g_frogAnimFrames;
extern int g_frogAnimFrame;
extern int g_frogAnimTime;
extern int g_frogAnimInterval;
extern RECT g_clearFrogSrc;

extern int g_clockRunning;
extern int g_clockTick;
extern DWORD g_playTime;
extern int g_paused;
extern int g_pauseCursor;
extern int g_leaving;
extern int g_fadeInPending;
extern int g_stageBgm;

const int CLEAR_LETTERS = 5;
extern double g_clearLetterY[CLEAR_LETTERS];
extern double g_clearLetterVy[CLEAR_LETTERS];
extern int g_clearBounces;
extern int g_clearSoundPending;
extern double g_clearJumpVy;

extern int g_targetCount;

extern int g_streamPhase;
extern int g_streamTime;
extern int g_wavePhase;
extern int g_waveTime;

#endif
