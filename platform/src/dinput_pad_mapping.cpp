// A pad as a joystick: the left stick and the d-pad both drive X and Y, A is
// button 0, B is button 1, and X, Y and Start are all button 2.
#include "dinput_pad_mapping.h"

#include <cstdlib>

namespace plat {

LONG ScaleStick(Sint16 raw, AxisRange range)
{
    long long centre = range.min + ((long long)range.max - range.min) / 2;
    int distance = abs((int)raw);
    if (distance > STICK_TRAVEL) {
        distance = STICK_TRAVEL;
    }
    if (distance <= STICK_DEAD_ZONE) {
        return (LONG)centre;
    }
    // Rounded up, so that the first step past the dead zone already counts.
    long long side = raw > 0 ? range.max - centre : centre - range.min;
    long long span = STICK_TRAVEL - STICK_DEAD_ZONE;
    long long offset = ((distance - STICK_DEAD_ZONE) * side + span - 1) / span;
    return (LONG)(raw > 0 ? centre + offset : centre - offset);
}

static LONG AxisValue(const PadSample& pad, SDL_GameControllerAxis stick, SDL_GameControllerButton towardMin,
                      SDL_GameControllerButton towardMax, AxisRange range)
{
    if (pad.buttons[towardMin]) {
        return range.min;
    }
    if (pad.buttons[towardMax]) {
        return range.max;
    }
    return ScaleStick(pad.axes[stick], range);
}

static BYTE ButtonByte(bool down)
{
    return down ? 0x80 : 0;
}

void FillJoyState(const PadSample& pad, const AxisRange ranges[AXIS_COUNT], DIJOYSTATE* state)
{
    memset(state, 0, sizeof *state);
    for (DWORD& pov : state->rgdwPOV) {
        pov = 0xFFFFFFFF;
    }
    state->lX = AxisValue(pad, SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
                          SDL_CONTROLLER_BUTTON_DPAD_RIGHT, ranges[AXIS_X]);
    state->lY = AxisValue(pad, SDL_CONTROLLER_AXIS_LEFTY, SDL_CONTROLLER_BUTTON_DPAD_UP,
                          SDL_CONTROLLER_BUTTON_DPAD_DOWN, ranges[AXIS_Y]);
    state->rgbButtons[0] = ButtonByte(pad.buttons[SDL_CONTROLLER_BUTTON_A]);
    state->rgbButtons[1] = ButtonByte(pad.buttons[SDL_CONTROLLER_BUTTON_B]);
    state->rgbButtons[2] = ButtonByte(pad.buttons[SDL_CONTROLLER_BUTTON_X] || pad.buttons[SDL_CONTROLLER_BUTTON_Y] ||
                                      pad.buttons[SDL_CONTROLLER_BUTTON_START]);
}

}  // namespace plat
