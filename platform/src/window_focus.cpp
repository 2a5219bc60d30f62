// Focus and minimising. The sound is silent whenever the game is not in the
// foreground, as sound buffers without global focus are, and plays on unheard.
#include "window_focus.h"

#include <SDL.h>

#include "dinput_focus.h"
#include "display.h"
#include "sound_output.h"

namespace plat {

static bool g_focused = true;
static bool g_minimised = false;

static void UpdateSound()
{
    SetSoundForeground(g_focused && !g_minimised);
}

void WindowFocusChanged(bool focused, bool fullscreen)
{
    g_focused = focused;
    SetInputForeground(focused);
    if (fullscreen && !focused && DisplayWindow() != NULL) {
        SDL_MinimizeWindow(DisplayWindow());
    }
    if (fullscreen || focused) {
        SetWindowActive(focused && !g_minimised);
    }
    UpdateSound();
}

void WindowMinimisedChanged(bool minimised)
{
    g_minimised = minimised;
    SetWindowActive(!minimised);
    UpdateSound();
}

bool KeyboardFocused()
{
    return g_focused;
}

void ResetWindowFocus()
{
    g_focused = true;
    g_minimised = false;
    UpdateSound();
}

}  // namespace plat
