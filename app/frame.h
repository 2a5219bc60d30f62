// The frame tick: one frame of the current scene, then the flip.
#ifndef APP_FRAME_H
#define APP_FRAME_H

#include <windows.h>

void UpdateFrame(HWND window);

#endif
