// Where the joystick devices get their pads from: SDL's game controllers, or
// the seam's virtual pads in test runs. Pads are named by a stable id.
#ifndef PLATFORM_DINPUT_PADS_H
#define PLATFORM_DINPUT_PADS_H

#include <SDL.h>

#include <string>
#include <vector>

namespace plat {

struct PadInfo {
    Uint32 id;
    std::string name;
    SDL_JoystickGUID product;
};

// One reading of a pad, in SDL's game controller terms.
struct PadSample {
    Sint16 axes[SDL_CONTROLLER_AXIS_MAX];
    bool buttons[SDL_CONTROLLER_BUTTON_MAX];
};

class PadSource {
public:
    // The pads attached now, in the system's order.
    virtual std::vector<PadInfo> Attached() = 0;
    // False when the pad cannot be opened.
    virtual bool Open(Uint32 id) = 0;
    virtual void Close(Uint32 id) = 0;
    virtual void Update() = 0;
    // False when the pad is no longer attached.
    virtual bool Read(Uint32 id, PadSample* sample) = 0;
    // False for a pad whose axes refuse a range of their own.
    virtual bool AcceptsRange(Uint32 id) = 0;

protected:
    ~PadSource() = default;
};

PadSource& SdlPads();
PadSource& VirtualPads();
// The seam's pads while the seam is active, else SDL's.
PadSource& ActivePads();

// The seam's virtual pads, numbered from 0 in the order attached.
int AttachVirtualPad(bool creatable, bool acceptsRange);
void SetVirtualPadAxis(int pad, SDL_GameControllerAxis axis, Sint16 value);
void SetVirtualPadButton(int pad, SDL_GameControllerButton button, bool down);
void ResetVirtualPads();

}  // namespace plat

#endif
