// The seam's virtual pads: attached, moved and pressed by a test.
#include "dinput_pads.h"

namespace plat {

struct VirtualPad {
    bool creatable;
    bool acceptsRange;
    PadSample sample;
};

static std::vector<VirtualPad> g_virtualPads;

// Virtual pad n has the id n + 1.
static VirtualPad* Find(Uint32 id)
{
    return id >= 1 && id <= g_virtualPads.size() ? &g_virtualPads[id - 1] : NULL;
}

class VirtualPadSource final : public PadSource {
public:
    std::vector<PadInfo> Attached() override
    {
        std::vector<PadInfo> pads;
        for (size_t n = 0; n < g_virtualPads.size(); n++) {
            PadInfo info = {(Uint32)n + 1, "Virtual pad " + std::to_string(n), {}};
            info.product.data[0] = (Uint8)(n + 1);
            pads.push_back(info);
        }
        return pads;
    }

    bool Open(Uint32 id) override
    {
        VirtualPad* pad = Find(id);
        return pad != NULL && pad->creatable;
    }

    void Close(Uint32) override {}
    void Update() override {}

    bool Read(Uint32 id, PadSample* sample) override
    {
        VirtualPad* pad = Find(id);
        if (pad == NULL) {
            return false;
        }
        *sample = pad->sample;
        return true;
    }

    bool AcceptsRange(Uint32 id) override
    {
        VirtualPad* pad = Find(id);
        return pad != NULL && pad->acceptsRange;
    }
};

PadSource& VirtualPads()
{
    static VirtualPadSource source;
    return source;
}

int AttachVirtualPad(bool creatable, bool acceptsRange)
{
    g_virtualPads.push_back({creatable, acceptsRange, {}});
    return (int)g_virtualPads.size() - 1;
}

void SetVirtualPadAxis(int pad, SDL_GameControllerAxis axis, Sint16 value)
{
    g_virtualPads.at(pad).sample.axes[axis] = value;
}

void SetVirtualPadButton(int pad, SDL_GameControllerButton button, bool down)
{
    g_virtualPads.at(pad).sample.buttons[button] = down;
}

void ResetVirtualPads()
{
    g_virtualPads.clear();
}

}  // namespace plat
