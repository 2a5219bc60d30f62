// The software mixer behind our DirectSound: voices at their own sample format
// and rate, resampled to the output rate, summed and limited to 16-bit stereo.
#ifndef PLATFORM_MIXER_H
#define PLATFORM_MIXER_H

#include <cstdint>
#include <memory>
#include <vector>

namespace plat {

// The samples of a buffer, shared with its duplicates.
struct SampleBlock {
    std::vector<uint8_t> bytes;
};

// What the mixer needs to play one buffer. Positions are frames in 32.32
// fixed point.
struct Voice {
    std::shared_ptr<SampleBlock> samples;
    int channels = 1;
    int bits = 16;
    int rate = 44100;
    uint32_t frames = 0;
    uint64_t position = 0;
    uint64_t step = 0;
    bool playing = false;
    bool looping = false;
    // Frames left of the fade that starts a voice, or that ends a stopped one.
    int fadeIn = 0;
    int fadeOut = 0;
};

class Mixer {
public:
    explicit Mixer(int outputRate);
    int OutputRate() const { return outputRate_; }

    void Add(Voice* voice);
    // A removed voice that was playing fades out on its own.
    void Remove(Voice* voice);
    void Start(Voice* voice);
    void Stop(Voice* voice);
    // Mixes `frames` stereo frames into `out`, advancing every voice.
    void Render(int16_t* out, int frames);
    // Advances every voice by `frames` without producing output.
    void Skip(uint64_t frames);
    void Clear();
    // Looping voices are the music; the rest are effects. 0 to 1 each.
    void SetVolumes(float music, float effects);
    // A silent mixer keeps every voice moving but outputs nothing.
    void SetSilent(bool silent) { silent_ = silent; }

private:
    void RenderVoice(Voice& voice, float* mix, int frames);

    int outputRate_;
    int fadeFrames_;
    float release_;
    float gain_ = 1.0f;
    float musicVolume_ = 1.0f;
    float effectsVolume_ = 1.0f;
    bool silent_ = false;
    std::vector<Voice*> voices_;
    std::vector<Voice> tails_;
    std::vector<float> mix_;
};

}  // namespace plat

#endif
