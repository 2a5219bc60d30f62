// What the window and the seam tell the joystick devices: the foreground
// changed, or acquired devices lose their input.
#ifndef PLATFORM_DINPUT_FOCUS_H
#define PLATFORM_DINPUT_FOCUS_H

namespace plat {

// Leaving the foreground takes the input from foreground devices, and they
// cannot be acquired until the window is back.
void SetInputForeground(bool foreground);
void LoseAcquiredInput();
void ResetInput();

}  // namespace plat

#endif
