// The SDL audio device and the silent clock used when there is none. The
// device's callback runs on SDL's thread, so every access to the mixer from
// the game's thread goes through SDL's device lock (SoundLock).
#include "sound_output.h"

#include <SDL.h>

#include <cstdio>

#include "platform_state.h"

namespace plat {

static const int OUTPUT_RATE = 44100;
// 256 frames, 5.8 ms: a Play call is heard within a block and a little more.
static const int DEVICE_FRAMES = 256;

static Mixer g_mixer(OUTPUT_RATE);
static SDL_AudioDeviceID g_device;
static int g_openCount;
static bool g_toldSilent;
// The silent clock: ticks when it started and the frames it has moved.
static DWORD g_silentStart;
static uint64_t g_silentFrames;

static void SDLCALL FillDevice(void*, Uint8* stream, int length)
{
    g_mixer.Render((int16_t*)stream, length / (int)(2 * sizeof(int16_t)));
}

static void StartSilentClock()
{
    g_silentStart = GetTickCount();
    g_silentFrames = 0;
}

static SDL_AudioDeviceID OpenDevice()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return 0;
    }
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = OUTPUT_RATE;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = DEVICE_FRAMES;
    want.callback = FillDevice;
    SDL_AudioSpec have;
    SDL_AudioDeviceID device = SDL_OpenAudioDevice(NULL, 0, &want, &have, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    return device;
}

void OpenSoundOutput()
{
    if (g_openCount++ > 0) {
        return;
    }
    StartSilentClock();
    if (g_seam.active || g_options.headless) {
        return;
    }
    g_device = OpenDevice();
    if (g_device == 0) {
        if (!g_toldSilent) {
            fprintf(stderr, "No sound device (%s): the game plays without sound\n", SDL_GetError());
            g_toldSilent = true;
        }
        return;
    }
    SDL_PauseAudioDevice(g_device, 0);
}

void CloseSoundOutput()
{
    if (g_openCount == 0 || --g_openCount > 0) {
        return;
    }
    if (g_device != 0) {
        SDL_CloseAudioDevice(g_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_device = 0;
    }
    StartSilentClock();
}

// Moves the voices on by the time passed since the last call.
static void CatchUpSilently()
{
    DWORD now = GetTickCount();
    if (now < g_silentStart) {
        StartSilentClock();
    }
    uint64_t due = (uint64_t)(now - g_silentStart) * OUTPUT_RATE / 1000;
    if (due > g_silentFrames) {
        g_mixer.Skip(due - g_silentFrames);
        g_silentFrames = due;
    }
}

SoundLock::SoundLock()
{
    if (g_device != 0) {
        SDL_LockAudioDevice(g_device);
    } else {
        CatchUpSilently();
    }
}

SoundLock::~SoundLock()
{
    if (g_device != 0) {
        SDL_UnlockAudioDevice(g_device);
    }
}

Mixer& SoundLock::mixer() { return g_mixer; }

std::vector<int16_t> RenderSoundOffline(uint32_t milliseconds)
{
    SoundLock lock;
    std::vector<int16_t> out((size_t)milliseconds * OUTPUT_RATE / 1000 * 2);
    g_mixer.Render(out.data(), (int)(out.size() / 2));
    return out;
}

int SoundOutputRate() { return OUTPUT_RATE; }

int SoundBlockFrames() { return DEVICE_FRAMES; }

void SetSoundVolumes(int music, int effects)
{
    SoundLock lock;
    g_mixer.SetVolumes(music / 100.0f, effects / 100.0f);
}

void SetSoundForeground(bool foreground)
{
    SoundLock lock;
    g_mixer.SetSilent(!foreground);
}

void ResetSoundOutput()
{
    if (g_device != 0) {
        SDL_CloseAudioDevice(g_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_device = 0;
    }
    g_openCount = 0;
    g_mixer.Clear();
    g_mixer.SetSilent(false);
    g_mixer.SetVolumes(1.0f, 1.0f);
    StartSilentClock();
}

}  // namespace plat
