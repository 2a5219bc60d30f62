// A joystick device whose pad is unplugged reads the keyboard's game keys as
// if they were the pad's, until a pad (the same or another) is plugged in.
// Each change of hands is reported once as lost input, which the game answers
// by acquiring the device again.
#include <cstdio>

#include "dinput_objects.h"
#include "key_bindings.h"
#include "keymap.h"

namespace plat {

static PadSample KeyboardPadSample()
{
    PadSample sample = {};
    sample.buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT] = KeyIsDown(ActionVirtualKey(ACTION_LEFT));
    sample.buttons[SDL_CONTROLLER_BUTTON_DPAD_RIGHT] = KeyIsDown(ActionVirtualKey(ACTION_RIGHT));
    sample.buttons[SDL_CONTROLLER_BUTTON_DPAD_UP] = KeyIsDown(ActionVirtualKey(ACTION_UP));
    sample.buttons[SDL_CONTROLLER_BUTTON_DPAD_DOWN] = KeyIsDown(ActionVirtualKey(ACTION_DOWN));
    sample.buttons[SDL_CONTROLLER_BUTTON_A] = KeyIsDown(ActionVirtualKey(ACTION_CONFIRM));
    sample.buttons[SDL_CONTROLLER_BUTTON_B] = KeyIsDown(ActionVirtualKey(ACTION_JUMP));
    sample.buttons[SDL_CONTROLLER_BUTTON_X] = KeyIsDown(ActionVirtualKey(ACTION_PAUSE));
    return sample;
}

bool JoystickDevice::TakeAttachedPad()
{
    for (const PadInfo& pad : pads_.Attached()) {
        if (pads_.Open(pad.id)) {
            pad_ = pad.id;
            fprintf(stderr, "Pad \"%s\" plugged in: it plays\n", pad.name.c_str());
            return true;
        }
    }
    return false;
}

bool JoystickDevice::ReadPadOrKeyboard(PadSample* sample)
{
    if (!onKeyboard_) {
        if (pads_.Read(pad_, sample)) {
            return true;
        }
        pads_.Close(pad_);
        onKeyboard_ = true;
        fprintf(stderr, "The pad was unplugged: the keyboard plays\n");
        return false;
    }
    if (TakeAttachedPad()) {
        onKeyboard_ = false;
        return false;
    }
    *sample = KeyboardPadSample();
    return true;
}

}  // namespace plat
