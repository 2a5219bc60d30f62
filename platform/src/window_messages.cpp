// Window classes, the main window and its message queue. SDL's events become
// the window messages the game expects.
#include <SDL.h>

#include <cstdio>
#include <deque>
#include <map>
#include <string>

#include "dinput_focus.h"
#include "display.h"
#include "key_replay.h"
#include "keymap.h"
#include "platform_state.h"
#include "key_bindings.h"
#include "settings_store.h"
#include "surface_registry.h"
#include "tool_panel.h"
#include "virtual_keys.h"
#include "window_focus.h"
#include "window_mouse.h"

namespace plat {

struct Window {
    WNDPROC proc;
    bool destroyed;
    bool active;
};

static std::map<std::string, WNDPROC> g_classes;
static std::deque<MSG> g_queue;
static Window* g_mainWindow;
static bool g_keyDown[256];
// Keys as the messages taken from the queue so far leave them (GetKeyState).
static bool g_messageKeyDown[256];

void ResetWindowing()
{
    g_classes.clear();
    g_queue.clear();
    delete g_mainWindow;
    g_mainWindow = NULL;
    for (bool& down : g_keyDown) {
        down = false;
    }
    for (bool& down : g_messageKeyDown) {
        down = false;
    }
    ResetWindowFocus();
    g_keyBindings = DefaultKeyBindings();
    SetKeyboardLayout(NULL);
}

void SetInjectedKey(int virtualKey, bool down)
{
    g_keyDown[virtualKey & 0xFF] = down;
}

void PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam)
{
    PostMessageA((HWND)g_mainWindow, message, wParam, lParam);
}

static LRESULT Send(Window* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return window->proc((HWND)window, message, wParam, lParam);
}

// Activation as the game sees it: the minimised flag is set whenever the
// window is not in the foreground. In full screen the surfaces are lost too.
void SetWindowActive(bool active)
{
    if (g_mainWindow == NULL || g_mainWindow->destroyed || g_mainWindow->active == active) {
        return;
    }
    g_mainWindow->active = active;
    SetInputForeground(active);
    if (!active && DisplayIsFullscreen()) {
        LoseAllSurfaces();
    }
    WPARAM wParam = active ? WA_ACTIVE : (WA_INACTIVE | (1u << 16));
    Send(g_mainWindow, WM_ACTIVATE, wParam, 0);
}

static bool IsAltEnter(const SDL_KeyboardEvent& key)
{
    return key.keysym.scancode == SDL_SCANCODE_RETURN && (key.keysym.mod & KMOD_ALT) != 0;
}

static void TranslateKey(const SDL_KeyboardEvent& key)
{
    if (IsAltEnter(key)) {
        if (key.type == SDL_KEYDOWN && !key.repeat) {
            DisplayToggleFullscreen();
            KeepFullscreen(DisplayIsFullscreen());
        }
        return;
    }
    SDL_Keycode sym = key.keysym.sym;
    int virtualKey = ToolTakesEveryKey() ? VirtualKeyOfKeycode(sym) : BoundVirtualKey(sym);
    if (virtualKey == 0) {
        return;
    }
    // Bit 30 of lParam: the key was already down (keyboard repeat).
    LPARAM lParam = 1 | (key.repeat ? (1 << 30) : 0);
    UINT message = key.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP;
    PostToMainWindow(message, (WPARAM)virtualKey, lParam);
}

static void TranslateWindowEvent(const SDL_WindowEvent& event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        WindowFocusChanged(event.event == SDL_WINDOWEVENT_FOCUS_GAINED, DisplayIsFullscreen());
        break;
    // A window taken off the screen (unmapped) is as good as minimised.
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        WindowMinimisedChanged(true);
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
        WindowMinimisedChanged(false);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        PostToMainWindow(WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT_ENTER:
        if (g_mainWindow != NULL && !g_mainWindow->destroyed) {
            Send(g_mainWindow, WM_SETCURSOR, 0, 0);
        }
        break;
    }
}

static void PumpEvents()
{
    if (g_seam.active) {
        if (g_queue.empty() && g_seam.idleHook) {
            g_seam.idleHook();
        }
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            TranslateKey(event.key);
            break;
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(event.window);
            break;
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            TranslateMouse(event);
            break;
        case SDL_QUIT:
            PostToMainWindow(WM_CLOSE, 0, 0);
            break;
        }
    }
}

bool KeyIsDown(int virtualKey)
{
    bool replayed = false;
    if (ReplayDecidesKey(virtualKey, replayed)) {
        return replayed;
    }
    if (!KeyboardFocused()) {
        return false;
    }
    if (g_seam.active) {
        return g_keyDown[virtualKey & 0xFF];
    }
    return BoundKeyHeld(virtualKey, SDL_GetKeyboardState(NULL));
}

}  // namespace plat

using namespace plat;

ATOM WINAPI RegisterClassA(const WNDCLASSA* windowClass)
{
    if (windowClass == NULL || windowClass->lpfnWndProc == NULL || windowClass->lpszClassName == NULL ||
        FAILED(ForcedResult("RegisterClass"))) {
        return 0;
    }
    g_classes[windowClass->lpszClassName] = windowClass->lpfnWndProc;
    return (ATOM)g_classes.size();
}

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD, int, int, int width,
                            int height, HWND, HMENU, HINSTANCE, LPVOID)
{
    auto found = g_classes.find(className != NULL ? className : "");
    if (found == g_classes.end() || g_mainWindow != NULL || FAILED(ForcedResult("CreateWindowEx"))) {
        return NULL;
    }
    if (!g_options.headless && !DisplayOpen(windowName, width, height)) {
        return NULL;
    }
    g_mainWindow = new Window{found->second, false, false};
    return (HWND)g_mainWindow;
}

BOOL WINAPI ShowWindow(HWND window, int)
{
    if (window == NULL || (Window*)window != g_mainWindow) {
        return FALSE;
    }
    if (!g_options.headless) {
        DisplayShow();
    }
    SetWindowActive(true);
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND window)
{
    return window != NULL;
}

HWND WINAPI SetFocus(HWND window)
{
    return window;
}

BOOL WINAPI DestroyWindow(HWND handle)
{
    Window* window = (Window*)handle;
    if (window == NULL || window != g_mainWindow || window->destroyed) {
        return FALSE;
    }
    window->destroyed = true;
    Send(window, WM_DESTROY, 0, 0);
    if (!g_options.headless) {
        DisplayClose();
    }
    return TRUE;
}

HICON WINAPI LoadIconA(HINSTANCE, LPCSTR)
{
    static int icon;
    return (HICON)&icon;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR)
{
    static int cursor;
    return (HCURSOR)&cursor;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor)
{
    if (cursor == NULL && !g_options.headless) {
        DisplayHideCursor();
    }
    return NULL;
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) {
        DestroyWindow(window);
    }
    return 0;
}

static void NoteKeyMessage(const MSG& msg)
{
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) {
        g_messageKeyDown[msg.wParam & 0xFF] = msg.message == WM_KEYDOWN;
    }
}

short WINAPI GetKeyState(int virtualKey)
{
    return g_messageKeyDown[virtualKey & 0xFF] ? (short)0x8000 : 0;
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND, UINT, UINT, UINT remove)
{
    PumpEvents();
    if (g_queue.empty()) {
        return FALSE;
    }
    *msg = g_queue.front();
    if (remove != PM_NOREMOVE) {
        g_queue.pop_front();
        NoteKeyMessage(*msg);
    }
    return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG msg, HWND, UINT, UINT)
{
    while (g_queue.empty()) {
        PumpEvents();
        if (g_queue.empty() && !g_seam.active) {
            SDL_WaitEventTimeout(NULL, 10);
        }
    }
    *msg = g_queue.front();
    g_queue.pop_front();
    NoteKeyMessage(*msg);
    return msg->message != WM_QUIT;
}

// Sleeps until SDL has an event, so that a minimised game uses no time.
BOOL WINAPI WaitMessage(void)
{
    PumpEvents();
    while (g_queue.empty() && !g_seam.active) {
        SDL_WaitEvent(NULL);
        PumpEvents();
    }
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG*)
{
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg)
{
    Window* window = (Window*)msg->hwnd;
    if (window == NULL || window != g_mainWindow || window->destroyed) {
        return 0;
    }
    return Send(window, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window == NULL || (Window*)window != g_mainWindow) {
        return FALSE;
    }
    g_queue.push_back(MSG{window, message, wParam, lParam, GetTickCount(), {0, 0}});
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode)
{
    g_queue.push_back(MSG{NULL, WM_QUIT, (WPARAM)exitCode, 0, GetTickCount(), {0, 0}});
}

short WINAPI GetAsyncKeyState(int virtualKey)
{
    return KeyIsDown(virtualKey) ? (short)0x8000 : 0;
}
