// Where the mixer's output goes: an SDL audio device, whose callback thread
// mixes, or, without a device, a silent clock that keeps the voices moving.
#ifndef PLATFORM_SOUND_OUTPUT_H
#define PLATFORM_SOUND_OUTPUT_H

#include <cstdint>
#include <vector>

#include "mixer.h"

namespace plat {

// Opened by each DirectSound object, closed when the last one goes.
void OpenSoundOutput();
void CloseSoundOutput();

// Holds off the device's callback while the main thread touches voices; with
// the silent clock it first brings the voices up to the present time.
class SoundLock {
public:
    SoundLock();
    ~SoundLock();
    SoundLock(const SoundLock&) = delete;
    SoundLock& operator=(const SoundLock&) = delete;
    Mixer& mixer();
};

// The settings' volumes, 0 to 100, for the music and the effects.
void SetSoundVolumes(int music, int effects);
// Out of the foreground every sound is silent, and goes on playing unheard.
void SetSoundForeground(bool foreground);
// Frames per block the device asks for; a sound starts within one block.
int SoundBlockFrames();

// Mixes the given time of output now, as the device would (test seam).
std::vector<int16_t> RenderSoundOffline(uint32_t milliseconds);
int SoundOutputRate();
// Closes any device and drops every voice (test seam).
void ResetSoundOutput();

}  // namespace plat

#endif
