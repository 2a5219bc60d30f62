// The mouse as window messages: moves and button presses with the position
// in picture pixels and the buttons and Shift and Ctrl held.
#ifndef PLATFORM_WINDOW_MOUSE_H
#define PLATFORM_WINDOW_MOUSE_H

union SDL_Event;

namespace plat {

void TranslateMouse(const SDL_Event& event);

}  // namespace plat

#endif
