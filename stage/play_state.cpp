// Storage of the play-state globals; the stage start gives them their values.
#include "stage/play_state.h"

int g_frogX;
int g_frogY;
RECT g_frogRect;
int g_frogVx;
double g_frogVy;
int g_frogPose;
int g_frogAirborne;
int g_frogHeadroom;
int g_frogOnItem;
int g_groundSpeed;
int g_frogAnimFrames;
int g_frogAnimFrame;
int g_frogAnimTime;
int g_frogAnimInterval;
RECT g_clearFrogSrc;

int g_clockRunning;
int g_clockTick;
DWORD g_playTime;
int g_paused;
int g_pauseCursor;
int g_leaving;
int g_fadeInPending;
int g_stageBgm;

double g_clearLetterY[CLEAR_LETTERS];
double g_clearLetterVy[CLEAR_LETTERS];
int g_clearBounces;
int g_clearSoundPending;
double g_clearJumpVy;

int g_targetCount;

int g_streamPhase;
int g_streamTime;
int g_wavePhase;
int g_waveTime;
