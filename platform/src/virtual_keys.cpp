// SDL key codes to Windows virtual-key codes.
#include "virtual_keys.h"

namespace plat {

struct NamedKey {
    SDL_Keycode key;
    int virtualKey;
};

static const NamedKey NAMED_KEYS[] = {
    {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},      {SDLK_RETURN, 0x0D},   {SDLK_KP_ENTER, 0x0D},
    {SDLK_LSHIFT, 0x10},    {SDLK_RSHIFT, 0x10},   {SDLK_LCTRL, 0x11},    {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12},      {SDLK_RALT, 0x12},     {SDLK_PAUSE, 0x13},    {SDLK_ESCAPE, 0x1B},
    {SDLK_SPACE, 0x20},     {SDLK_PAGEUP, 0x21},   {SDLK_PAGEDOWN, 0x22}, {SDLK_END, 0x23},
    {SDLK_HOME, 0x24},      {SDLK_LEFT, 0x25},     {SDLK_UP, 0x26},       {SDLK_RIGHT, 0x27},
    {SDLK_DOWN, 0x28},      {SDLK_INSERT, 0x2D},   {SDLK_DELETE, 0x2E},
};

int VirtualKeyOfKeycode(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z) {
        return 'A' + (key - SDLK_a);
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return '0' + (key - SDLK_0);
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return 0x70 + (key - SDLK_F1);
    }
    for (const NamedKey& named : NAMED_KEYS) {
        if (named.key == key) {
            return named.virtualKey;
        }
    }
    return 0;
}

}  // namespace plat
