// How a pad's sticks, d-pad and face buttons become a DIJOYSTATE.
#ifndef PLATFORM_DINPUT_PAD_MAPPING_H
#define PLATFORM_DINPUT_PAD_MAPPING_H

#include <windows.h>
#include <dinput.h>

#include "dinput_pads.h"

namespace plat {

struct AxisRange {
    LONG min;
    LONG max;
};

// Each axis reports this range until the game sets one of its own.
const AxisRange DEFAULT_AXIS_RANGE = {0, 65535};
// A stick within this distance of its centre rests at the centre of the range.
const int STICK_DEAD_ZONE = 8192;
const int STICK_TRAVEL = 32767;

// The axes the device offers, in the order of DIJOYSTATE.
enum JoystickAxis { AXIS_X, AXIS_Y, AXIS_COUNT };
// The buttons the device offers.
const int JOYSTICK_BUTTONS = 3;

LONG ScaleStick(Sint16 raw, AxisRange range);
void FillJoyState(const PadSample& pad, const AxisRange ranges[AXIS_COUNT], DIJOYSTATE* state);

}  // namespace plat

#endif
