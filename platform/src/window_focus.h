// The window's focus and minimised state, as the game, the keys, the pads and
// the sound see them.
#ifndef PLATFORM_WINDOW_FOCUS_H
#define PLATFORM_WINDOW_FOCUS_H

namespace plat {

// In a window, losing the focus keeps the game running with every key read as
// released; in full screen it minimises the window, which stops the game.
void WindowFocusChanged(bool focused, bool fullscreen);
void WindowMinimisedChanged(bool minimised);
// False while another window has the keyboard.
bool KeyboardFocused();
void ResetWindowFocus();

// Activation as the game sees it (window_messages.cpp).
void SetWindowActive(bool active);

}  // namespace plat

#endif
