// Settings and counters shared by the screens for the whole run.
#ifndef APP_APP_STATE_H
#define APP_APP_STATE_H

#include <windows.h>

extern int g_active;
extern int g_quitRequested;
extern int g_stageCount;
extern int g_openStageCount;
extern int g_stageNo;
extern BYTE g_bgmOn;
extern BYTE g_seOn;
extern int g_useJoystick;

#endif
