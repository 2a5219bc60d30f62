// The real screen: an SDL window showing the 8-bit picture through its
// palette, scaled by a whole factor, full screen or windowed, paced to 60 Hz.
#ifndef PLATFORM_DISPLAY_H
#define PLATFORM_DISPLAY_H

#include <windows.h>

#include <cstdint>

struct SDL_Window;

namespace plat {

bool DisplayOpen(const char* title, int width, int height);
void DisplayShow();
void DisplayClose();
SDL_Window* DisplayWindow();
// Switches to the game's picture size, full screen unless windowed was asked.
bool DisplayEnterMode(int width, int height);
void DisplayToggleFullscreen();
bool DisplayIsFullscreen();
void DisplayHideCursor();
// True once the next 1/60 s slot has come; the caller presents then.
bool DisplayFrameSlotReady();
void DisplayPresent(const BYTE* indices, int pitch, int width, int height,
                    const PALETTEENTRY* palette);
// Turns a position in the window into one in the picture; false with no window.
bool DisplayWindowToPicture(int* x, int* y);
// Converts indices through a palette to 32-bit XRGB pixels.
void ConvertIndexedToXrgb(const BYTE* indices, int pitch, int width, int height,
                          const PALETTEENTRY* palette, uint32_t* out, int outPitchPixels);

}  // namespace plat

#endif
