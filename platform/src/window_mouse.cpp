// SDL's mouse events become WM_MOUSEMOVE and the button messages, as on
// Windows: lParam holds the position, wParam the buttons and keys held.
#include "window_mouse.h"

#include <SDL.h>

#include "display.h"
#include "seam_state.h"

namespace plat {

static WPARAM HeldFlags(Uint32 buttons)
{
    WPARAM flags = 0;
    flags |= (buttons & SDL_BUTTON_LMASK) ? MK_LBUTTON : 0;
    flags |= (buttons & SDL_BUTTON_RMASK) ? MK_RBUTTON : 0;
    SDL_Keymod mod = SDL_GetModState();
    flags |= (mod & KMOD_SHIFT) ? MK_SHIFT : 0;
    flags |= (mod & KMOD_CTRL) ? MK_CONTROL : 0;
    return flags;
}

static UINT ButtonMessage(const SDL_MouseButtonEvent& button)
{
    bool down = button.type == SDL_MOUSEBUTTONDOWN;
    if (button.button == SDL_BUTTON_LEFT) {
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
    if (button.button == SDL_BUTTON_RIGHT) {
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    }
    return 0;
}

void TranslateMouse(const SDL_Event& event)
{
    int x = event.type == SDL_MOUSEMOTION ? event.motion.x : event.button.x;
    int y = event.type == SDL_MOUSEMOTION ? event.motion.y : event.button.y;
    if (!DisplayWindowToPicture(&x, &y)) {
        return;
    }
    UINT message = event.type == SDL_MOUSEMOTION ? WM_MOUSEMOVE : ButtonMessage(event.button);
    if (message == 0) {
        return;
    }
    PostToMainWindow(message, HeldFlags(SDL_GetMouseState(NULL, NULL)), MAKELPARAM(x, y));
}

}  // namespace plat
