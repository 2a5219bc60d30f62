// Whether a game key is held, by its Windows virtual-key code.
#ifndef PLATFORM_KEYMAP_H
#define PLATFORM_KEYMAP_H

namespace plat {

// Held on a key bound to it, or in the replay, or injected under the test seam.
bool KeyIsDown(int virtualKey);

}  // namespace plat

#endif
