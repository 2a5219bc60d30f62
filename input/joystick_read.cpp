// One joystick sample a frame: the stick's signs become the arrow keys and
// buttons 0 to 2 become Z, X and C, with a debug line per sample.
#include <cstdio>

#include "input/input.h"
#include "input/joystick.h"

static int ButtonDown(const DIJOYSTATE& state, int button)
{
    return (state.rgbButtons[button] & 0x80) != 0;
}

// After lost input the device is acquired again, and read in the next frame.
// A failed read leaves the buffer cleared, so every slot reads 0.
void ReadJoystick(void)
{
    DIJOYSTATE state;
    ZeroMemory(&state, sizeof state);
    g_joystick->Poll();
    HRESULT result = g_joystick->GetDeviceState(sizeof(DIJOYSTATE), &state);
    if (result == DIERR_INPUTLOST) {
        g_joystick->Acquire();
    }
    g_key[VK_UP] = state.lY < 0;
    g_key[VK_DOWN] = state.lY > 0;
    g_key[VK_LEFT] = state.lX < 0;
    g_key[VK_RIGHT] = state.lX > 0;
    g_key['Z'] = ButtonDown(state, 0);
    g_key['X'] = ButtonDown(state, 1);
    g_key['C'] = ButtonDown(state, 2);

    char line[256];
    snprintf(line, sizeof line, "x %d, y %d, 0 %d, 1 %d, 2 %d", (int)state.lX, (int)state.lY, g_key['Z'], g_key['X'],
             g_key['C']);
    OutputDebugStringA(line);
}
