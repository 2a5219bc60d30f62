// What every subsystem shares for the whole run: the scene ids, the current
// scene and the time of the current frame, and the settings and counters the
// screens read. The one game header that any folder may include.
#ifndef APP_APP_STATE_H
#define APP_APP_STATE_H

#include <windows.h>

enum {
    SCENE_PROLOG_INIT = 1,
    SCENE_PROLOG = 2,
    SCENE_TITLE_INIT = 10,
    SCENE_TITLE = 11,
    SCENE_OPTION_INIT = 15,
    SCENE_OPTION = 16,
    SCENE_SELECT_INIT = 20,
    SCENE_SELECT = 21,
    SCENE_PLAY_INIT = 30,
    SCENE_PLAY = 31,
    SCENE_PLAY_CLEAR = 32,
    SCENE_RESULT_INIT = 40,
    SCENE_RESULT = 41,
};

extern BYTE g_scene;
extern DWORD g_now;

extern int g_active;
extern int g_quitRequested;
extern int g_stageCount;
extern int g_openStageCount;
extern int g_stageNo;
extern BYTE g_bgmOn;
extern BYTE g_seOn;
extern int g_useJoystick;

#endif
