// Settings and counters shared by the screens, with their start values.
#include "app/app_state.h"

int g_active = 0;
int g_quitRequested = 0;
int g_stageCount;
int g_openStageCount;
int g_stageNo = 1;
BYTE g_bgmOn = 1;
BYTE g_seOn = 1;
int g_useJoystick = 1;
