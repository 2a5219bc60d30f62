// Windows virtual-key codes of keyboard keys, for windows that take every key
// as a message rather than only the game's bound ones.
#ifndef PLATFORM_VIRTUAL_KEYS_H
#define PLATFORM_VIRTUAL_KEYS_H

#include <SDL.h>

namespace plat {

// Letters and digits by the label on the key, as Windows gives them; 0 for a
// key that has no code here.
int VirtualKeyOfKeycode(SDL_Keycode key);

}  // namespace plat

#endif
