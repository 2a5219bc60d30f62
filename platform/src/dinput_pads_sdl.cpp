// Pads from SDL's game controller support: any pad SDL has a mapping for.
// The subsystem starts on first use and needs no display.
#include <map>

#include "dinput_pads.h"
#include "platform_state.h"

namespace plat {

class SdlPadSource final : public PadSource {
public:
    std::vector<PadInfo> Attached() override
    {
        std::vector<PadInfo> pads;
        if (!Start()) {
            return pads;
        }
        for (int index = 0; index < SDL_NumJoysticks(); index++) {
            if (SDL_IsGameController(index)) {
                const char* name = SDL_GameControllerNameForIndex(index);
                pads.push_back({(Uint32)SDL_JoystickGetDeviceInstanceID(index), name != NULL ? name : "",
                                SDL_JoystickGetDeviceGUID(index)});
            }
        }
        return pads;
    }

    bool Open(Uint32 id) override
    {
        int index = IndexOf(id);
        SDL_GameController* controller = index < 0 ? NULL : SDL_GameControllerOpen(index);
        if (controller == NULL) {
            return false;
        }
        open_[id] = controller;
        return true;
    }

    void Close(Uint32 id) override
    {
        auto found = open_.find(id);
        if (found != open_.end()) {
            SDL_GameControllerClose(found->second);
            open_.erase(found);
        }
    }

    void Update() override { SDL_GameControllerUpdate(); }

    bool Read(Uint32 id, PadSample* sample) override
    {
        auto found = open_.find(id);
        if (found == open_.end() || !SDL_GameControllerGetAttached(found->second)) {
            return false;
        }
        for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; axis++) {
            sample->axes[axis] = SDL_GameControllerGetAxis(found->second, (SDL_GameControllerAxis)axis);
        }
        for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; button++) {
            sample->buttons[button] =
                SDL_GameControllerGetButton(found->second, (SDL_GameControllerButton)button) != 0;
        }
        return true;
    }

    bool AcceptsRange(Uint32) override { return true; }

private:
    static bool Start()
    {
        return SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0 || SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    }

    static int IndexOf(Uint32 id)
    {
        for (int index = 0; index < SDL_NumJoysticks(); index++) {
            if ((Uint32)SDL_JoystickGetDeviceInstanceID(index) == id) {
                return index;
            }
        }
        return -1;
    }

    std::map<Uint32, SDL_GameController*> open_;
};

PadSource& SdlPads()
{
    static SdlPadSource source;
    return source;
}

PadSource& ActivePads()
{
    return g_seam.active ? VirtualPads() : SdlPads();
}

}  // namespace plat
