// SDL key codes to Windows virtual-key codes and back.
#ifndef PLATFORM_KEYMAP_H
#define PLATFORM_KEYMAP_H

#include <SDL.h>

namespace plat {

// The virtual-key code of an SDL scancode, or 0 when the game has none for it.
int VirtualKeyOf(SDL_Scancode scancode);
// The SDL scancode of a virtual-key code, or SDL_SCANCODE_UNKNOWN.
SDL_Scancode ScancodeOf(int virtualKey);
// Whether the key is held now (the injected state under the test seam).
bool KeyIsDown(int virtualKey);

}  // namespace plat

#endif
