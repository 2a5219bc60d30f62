// frogpond-edit: the stage editor's window and message loop.
// frogpond-edit [--scale N] MAP.map | PACK_FOLDER
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "editor.h"
#include "editor_files.h"
#include "editor_input.h"
#include "editor_play.h"
#include "editor_solve.h"
#include "editor_view.h"
#include "app/app_state.h"
#include "platform_state.h"
#include "tool_panel.h"
#include "video/display.h"

static void RequestQuit(HWND window)
{
    if (HasUnsavedChanges() && !g_editor.quitAsked) {
        g_editor.quitAsked = true;
        SetStatus("Unsaved! Ctrl+S saves, Esc again quits");
        return;
    }
    RemoveAutosave();
    DestroyWindow(window);
}

static LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        if (Playing()) {
            return 0;
        }
        EditorMouse(message, wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        return 0;
    case WM_KEYDOWN:
        if (Playing()) {
            if (wParam == VK_ESCAPE) {
                StopPlay();
            }
        } else if (wParam == VK_ESCAPE) {
            RequestQuit(window);
        } else if (wParam == VK_F5) {
            StartPlay();
        } else if (wParam == VK_F6) {
            StartSolve();
        } else {
            EditorKey((int)wParam);
        }
        return 0;
    case WM_CLOSE:
        RequestQuit(window);
        return 0;
    case WM_SETCURSOR:
        return 1;
    case WM_DESTROY:
        ReleaseAllObjects();
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND OpenEditorWindow(void)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = EditorWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "FrogPondEdit";
    if (!RegisterClassA(&windowClass)) {
        return NULL;
    }
    HWND window = CreateWindowExA(0, "FrogPondEdit", "Frog Pond stage editor", WS_OVERLAPPEDWINDOW, 0, 0,
                                  640 + PANEL_WIDTH, 480, NULL, NULL, windowClass.hInstance, NULL);
    if (window != NULL) {
        ShowWindow(window, SW_SHOWDEFAULT);
    }
    return window;
}

static bool ParseArguments(int argc, char** argv, std::string* target)
{
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--scale") == 0 && i + 1 < argc && atoi(argv[i + 1]) > 0) {
            plat::g_options.scale = atoi(argv[++i]);
        } else if (argv[i][0] != '-' && target->empty()) {
            *target = argv[i];
        } else {
            return false;
        }
    }
    return !target->empty();
}

static int RunLoop(HWND window)
{
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, NULL, 0, 0)) {
                return (int)msg.wParam;
            }
            DispatchMessageA(&msg);
            continue;
        }
        g_now = GetTickCount();
        AutosaveIfDue(g_now);
        PollSolve();
        if (Playing()) {
            StepPlay(window);
        } else {
            DrawEditor();
            FlipScreen();
        }
        Sleep(1);
    }
}

int main(int argc, char** argv)
{
    std::string target;
    if (!ParseArguments(argc, argv, &target)) {
        fprintf(stderr, "usage: frogpond-edit [--scale N] MAP.map | PACK_FOLDER\n");
        return 2;
    }
    plat::g_options.windowed = true;
    plat::SetToolPanelWidth(PANEL_WIDTH);
    plat::SetToolTakesEveryKey(true);
    g_editor.path = ChooseMapPath(target);
    g_editor.grid = true;
    g_editor.choice = 1;
    g_editor.hoverPalette = -1;
    g_editor.mouse = CellPos{-1, -1};
    OpenEditorMap();
    OfferRecovery();
    g_bgmOn = 0;
    g_seOn = 0;
    g_useJoystick = 0;
    HWND window = OpenEditorWindow();
    if (window == NULL || InitDirectDraw(window) != DD_OK) {
        fprintf(stderr, "frogpond-edit: cannot open the window\n");
        return 1;
    }
    g_editor.lastAutosave = GetTickCount();
    return RunLoop(window);
}
