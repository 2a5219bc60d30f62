// The entry point, the one window and the message loop.
#include "app/main_window.h"

#include "app/app_state.h"
#include "app/frame.h"
#include "audio/sound.h"
#include "input/joystick.h"
#include "stage/map_file.h"
#include "video/display.h"

static const int MAX_STAGES = 80;

// Stage files are numbered from 1 without a gap; the first missing one ends them.
static int CountStages(void)
{
    int count = 0;
    while (count < MAX_STAGES) {
        FILE* file = OpenStageMapFile(count + 1);
        if (file == NULL) {
            break;
        }
        fclose(file);
        count++;
    }
    return count;
}

HWND InitApp(HINSTANCE instance, int showCommand)
{
    WNDCLASSA windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    windowClass.lpszMenuName = "Sample";
    windowClass.lpszClassName = "Sample";
    if (!RegisterClassA(&windowClass)) {
        return NULL;
    }
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "Sample", "2D Game Sample", WS_OVERLAPPEDWINDOW,
                                  0, 0, 640, 480, NULL, NULL, instance, NULL);
    if (window == NULL) {
        return NULL;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    SetFocus(window);

    g_stageCount = CountStages();
    g_openStageCount = g_stageCount;
    return window;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        g_active = HIWORD(wParam) == 0;
        return 0;
    case WM_SETCURSOR:
        SetCursor(NULL);
        return 1;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE || wParam == VK_F12 || (wParam == 'Z' && g_quitRequested == 1)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_DESTROY:
        ReleaseAllObjects();
        ReleaseSound();
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    (void)previous;
    (void)commandLine;
    HWND window = InitApp(instance, showCommand);
    if (window == NULL) {
        return 0;
    }
    if (InitDirectDraw(window) != DD_OK) {
        return 0;
    }
    if (!InitializeSound(window)) {
        OutputDebugStringA("InitializeSound ERROR\n");
        return 0;
    }
    if (InitJoystick(window, instance) == DI_OK) {
        g_joystick->Acquire();
    } else {
        g_useJoystick = 0;
    }
    g_now = GetTickCount();

    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, NULL, 0, 0)) {
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (g_active == 1) {
            UpdateFrame(window);
            Sleep(1);
        } else {
            WaitMessage();
        }
    }
    return (int)msg.wParam;
}
