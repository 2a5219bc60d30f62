// Test seam of the platform: runs everything headless and lets a test set the
// clock, inject keys and messages, read the presented frame, lose surfaces,
// make a named platform call fail, and read the debug lines and message boxes.
#ifndef PLATFORM_SEAM_H
#define PLATFORM_SEAM_H

#include <windows.h>
#include <SDL_gamecontroller.h>

#include <functional>
#include <string>
#include <vector>

struct IDirectSoundBuffer;

namespace seam {

// Back to a fresh, headless platform: no windows, no objects, clock at 0.
void Reset();

void SetTicks(DWORD milliseconds);
void AdvanceTicks(DWORD milliseconds);

void SetKeyDown(int virtualKey, bool down);
// Posts a message to the main window, as the system would.
void PostToWindow(UINT message, WPARAM wParam, LPARAM lParam);
// Called whenever the game finds the message queue empty.
void SetIdleHook(std::function<void()> hook);

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<BYTE> indices;
    PALETTEENTRY palette[256] = {};
    int presented = 0;
};
// The last frame presented by a flip, and how many frames were presented.
const Frame& LastFrame();
bool SaveFramePng(const Frame& frame, const std::string& path);

// The window lost the foreground in full screen: every surface is lost.
void LoseAllSurfaces();
// The next calls of that name fail with `result`, after `succeedFirst` successes.
void FailCall(const std::string& name, HRESULT result, int succeedFirst = 0);
// The named resource is not found, as if it were not in the executable.
void HideResource(const std::string& name);
// Flip waits for the next 1/60 s slot of the seam's clock.
void SetFramePacing(bool on);
// With pixel work off, blits check their arguments and give their results but
// copy no pixels, and flips keep only the presented count: for long runs that
// look at the game's state alone.
void SetPixelWork(bool on);

struct MessageBoxShown {
    std::string caption;
    std::string text;
};
const std::vector<std::string>& DebugLines();
const std::vector<MessageBoxShown>& MessageBoxes();
// DirectDraw objects, surfaces and palettes still alive.
int LiveDisplayObjects();

// Sound: the system takes a buffer's memory (its duplicates share it, so they
// are lost too); a buffer's play position in bytes; buffers still alive; and
// the given time of the mixer's output, mixed now (16-bit stereo, interleaved).
void LoseSoundBuffer(IDirectSoundBuffer* buffer);
DWORD SoundPlayPosition(IDirectSoundBuffer* buffer);
int LiveSoundBuffers();
std::vector<short> RenderSound(DWORD milliseconds);
int SoundOutputRate();

// Virtual joysticks, enumerated in the order attached and numbered from 0.
// One that is not creatable fails CreateDeviceEx; one that refuses ranges
// fails SetProperty(DIPROP_RANGE) and keeps the default range of 0 to 65535.
struct JoystickTraits {
    bool creatable = true;
    bool acceptsRange = true;
};
int AttachJoystick(JoystickTraits traits = JoystickTraits());
// Stick values as SDL reports them, -32768 to 32767.
void SetJoystickAxis(int joystick, SDL_GameControllerAxis axis, Sint16 value);
void SetJoystickButton(int joystick, SDL_GameControllerButton button, bool down);
// Every acquired joystick device loses its input, as when the window is left.
void LoseJoystickInput();

}  // namespace seam

#endif
