// The test seam: a headless platform whose clock, input and failures a test
// controls, and whose output a test reads.
#include "seam.h"

#include <cstdio>

#include "dsound_objects.h"
#include "dinput_focus.h"
#include "dinput_pads.h"
#include "platform_state.h"
#include "seam_state.h"
#include "sound_output.h"
#include "surface_registry.h"

namespace plat {

static std::vector<seam::MessageBoxShown> g_messageBoxes;
static seam::Frame g_lastFrame;

void RecordMessageBox(const char* caption, const char* text)
{
    g_messageBoxes.push_back({caption, text});
}

void RecordFrame(const BYTE* indices, int pitch, int width, int height, const PALETTEENTRY* palette)
{
    if (!g_seam.pixelWork) {
        g_lastFrame.presented++;
        return;
    }
    g_lastFrame.width = width;
    g_lastFrame.height = height;
    g_lastFrame.indices.resize((size_t)width * height);
    for (int row = 0; row < height; row++) {
        memcpy(&g_lastFrame.indices[(size_t)row * width], indices + (size_t)row * pitch, width);
    }
    if (palette != nullptr) {
        memcpy(g_lastFrame.palette, palette, sizeof g_lastFrame.palette);
    } else {
        memset(g_lastFrame.palette, 0, sizeof g_lastFrame.palette);
    }
    g_lastFrame.presented++;
}

}  // namespace plat

namespace seam {

using plat::g_seam;

void Reset()
{
    plat::ResetWindowing();
    plat::ResetDisplayPacing();
    g_seam = plat::SeamState();
    g_seam.active = true;
    plat::g_options = plat::Options();
    plat::g_options.headless = true;
    plat::g_messageBoxes.clear();
    plat::g_lastFrame = Frame();
    plat::ResetInput();
    plat::ResetSoundOutput();
}

void SetTicks(DWORD milliseconds) { g_seam.ticks = milliseconds; }
void AdvanceTicks(DWORD milliseconds) { g_seam.ticks += milliseconds; }
void SetKeyDown(int virtualKey, bool down) { plat::SetInjectedKey(virtualKey, down); }
void PostToWindow(UINT message, WPARAM wParam, LPARAM lParam) { plat::PostToMainWindow(message, wParam, lParam); }
void SetIdleHook(std::function<void()> hook) { g_seam.idleHook = std::move(hook); }
void SetPixelWork(bool on) { g_seam.pixelWork = on; }
const Frame& LastFrame() { return plat::g_lastFrame; }
void LoseAllSurfaces() { plat::LoseAllSurfaces(); }
void FailCall(const std::string& name, HRESULT result, int succeedFirst) { g_seam.failures[name] = {result, succeedFirst}; }
void HideResource(const std::string& name) { g_seam.hiddenResources.insert(name); }
void SetFramePacing(bool on) { g_seam.framePacing = on; }
const std::vector<std::string>& DebugLines() { return g_seam.debugLines; }
const std::vector<MessageBoxShown>& MessageBoxes() { return plat::g_messageBoxes; }
int LiveDisplayObjects() { return plat::LiveObjects(); }

int AttachJoystick(JoystickTraits traits) { return plat::AttachVirtualPad(traits.creatable, traits.acceptsRange); }
void SetJoystickAxis(int joystick, SDL_GameControllerAxis axis, Sint16 value)
{
    plat::SetVirtualPadAxis(joystick, axis, value);
}
void SetJoystickButton(int joystick, SDL_GameControllerButton button, bool down)
{
    plat::SetVirtualPadButton(joystick, button, down);
}
void LoseJoystickInput() { plat::LoseAcquiredInput(); }

void LoseSoundBuffer(IDirectSoundBuffer* buffer)
{
    const auto& samples = static_cast<plat::SoundBuffer*>(buffer)->Samples();
    for (plat::SoundBuffer* live : plat::LiveSoundBuffers()) {
        if (live->Samples() == samples) {
            live->MarkLost();
        }
    }
}

DWORD SoundPlayPosition(IDirectSoundBuffer* buffer) { return static_cast<plat::SoundBuffer*>(buffer)->PlayPosition(); }
int LiveSoundBuffers() { return (int)plat::LiveSoundBuffers().size(); }
std::vector<short> RenderSound(DWORD milliseconds) { return plat::RenderSoundOffline(milliseconds); }
int SoundOutputRate() { return plat::SoundOutputRate(); }

}  // namespace seam
