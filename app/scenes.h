// Scene ids, the current scene and the time of the current frame.
#ifndef APP_SCENES_H
#define APP_SCENES_H

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

void UpdateFrame(HWND window);

#endif
