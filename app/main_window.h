// The entry point's window: creation, stage count and the window procedure.
#ifndef APP_MAIN_WINDOW_H
#define APP_MAIN_WINDOW_H

#include <windows.h>

HWND InitApp(HINSTANCE instance, int showCommand);
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
