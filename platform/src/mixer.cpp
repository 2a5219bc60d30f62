// The software mixer: 4-point Hermite resampling of 8- and 16-bit, mono and
// stereo voices, short fades at starts and stops so that nothing clicks, and a
// peak limiter so that many loud voices together never clip.
#include "mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat {

static const double FADE_SECONDS = 0.003;
static const double RELEASE_SECONDS = 0.15;
static const float CEILING = 0.95f;
static const uint64_t ONE = 1ull << 32;

Mixer::Mixer(int outputRate)
    : outputRate_(outputRate),
      fadeFrames_(std::max(1, (int)(outputRate * FADE_SECONDS))),
      release_((float)(1.0 - std::exp(-1.0 / (RELEASE_SECONDS * outputRate))))
{
}

void Mixer::Add(Voice* voice)
{
    voice->step = ((uint64_t)voice->rate << 32) / (uint64_t)outputRate_;
    voices_.push_back(voice);
}

void Mixer::Remove(Voice* voice)
{
    Stop(voice);
    voices_.erase(std::remove(voices_.begin(), voices_.end(), voice), voices_.end());
}

void Mixer::Start(Voice* voice)
{
    voice->playing = true;
    voice->fadeIn = fadeFrames_;
    voice->fadeOut = 0;
}

void Mixer::Stop(Voice* voice)
{
    if (!voice->playing) {
        return;
    }
    voice->playing = false;
    Voice tail = *voice;
    tail.playing = true;
    tail.fadeOut = fadeFrames_;
    tails_.push_back(tail);
}

// One channel's sample of a frame, from -1 to 1.
template <int BITS, int CHANNELS>
static inline float Sample(const uint8_t* bytes, uint32_t frame, int channel)
{
    if (BITS == 8) {
        return (bytes[frame * CHANNELS + channel] - 128) * (1.0f / 128.0f);
    }
    int16_t value;
    memcpy(&value, bytes + (frame * CHANNELS + channel) * 2, 2);
    return value * (1.0f / 32768.0f);
}

static inline float Hermite(float y0, float y1, float y2, float y3, float t)
{
    float c1 = 0.5f * (y2 - y0);
    float c2 = y0 - 2.5f * y1 + 2.0f * y2 - 0.5f * y3;
    float c3 = 0.5f * (y3 - y0) + 1.5f * (y1 - y2);
    return ((c3 * t + c2) * t + c1) * t + y1;
}

// The four frames around a position: wrapped for a loop, silence outside a
// one-shot voice.
struct Taps {
    int64_t index[4];
    bool present[4];
};

static inline Taps TapsAround(int64_t frame, uint32_t frames, bool looping)
{
    Taps taps;
    for (int k = 0; k < 4; k++) {
        int64_t i = frame - 1 + k;
        if (looping) {
            i = ((i % frames) + frames) % frames;
        }
        taps.index[k] = i;
        taps.present[k] = i >= 0 && i < (int64_t)frames;
    }
    return taps;
}

template <int BITS, int CHANNELS>
static void RenderFrames(Voice& v, float* mix, int frames, int fadeFrames, float volume)
{
    const uint8_t* bytes = v.samples->bytes.data();
    const uint64_t end = (uint64_t)v.frames << 32;
    int done = 0;
    for (; done < frames; done++) {
        int64_t frame = (int64_t)(v.position >> 32);
        float t = (float)(v.position & 0xFFFFFFFFu) * (1.0f / 4294967296.0f);
        float gain = volume;
        if (v.fadeIn > 0) {
            gain *= 1.0f - (float)v.fadeIn-- / fadeFrames;
        }
        if (v.fadeOut > 0) {
            gain *= (float)--v.fadeOut / fadeFrames;
            if (v.fadeOut == 0) {
                v.playing = false;
                return;
            }
        }
        float out[2];
        bool inside = frame >= 1 && frame + 2 < (int64_t)v.frames;
        for (int c = 0; c < CHANNELS; c++) {
            float y[4];
            if (inside) {
                for (int k = 0; k < 4; k++) {
                    y[k] = Sample<BITS, CHANNELS>(bytes, (uint32_t)(frame - 1 + k), c);
                }
            } else {
                Taps taps = TapsAround(frame, v.frames, v.looping);
                for (int k = 0; k < 4; k++) {
                    y[k] = taps.present[k] ? Sample<BITS, CHANNELS>(bytes, (uint32_t)taps.index[k], c) : 0.0f;
                }
            }
            out[c] = Hermite(y[0], y[1], y[2], y[3], t) * gain;
        }
        mix[done * 2] += out[0];
        mix[done * 2 + 1] += out[CHANNELS - 1];
        v.position += v.step;
        if (v.position >= end) {
            if (!v.looping) {
                v.playing = false;
                v.position = 0;
                return;
            }
            v.position -= end;
        }
    }
}

void Mixer::RenderVoice(Voice& voice, float* mix, int frames)
{
    if (voice.frames == 0 || !voice.samples) {
        voice.playing = false;
        return;
    }
    int stereo = voice.channels == 2;
    float volume = voice.looping ? musicVolume_ : effectsVolume_;
    if (voice.bits == 8) {
        stereo ? RenderFrames<8, 2>(voice, mix, frames, fadeFrames_, volume)
               : RenderFrames<8, 1>(voice, mix, frames, fadeFrames_, volume);
    } else {
        stereo ? RenderFrames<16, 2>(voice, mix, frames, fadeFrames_, volume)
               : RenderFrames<16, 1>(voice, mix, frames, fadeFrames_, volume);
    }
}

void Mixer::SetVolumes(float music, float effects)
{
    musicVolume_ = std::clamp(music, 0.0f, 1.0f);
    effectsVolume_ = std::clamp(effects, 0.0f, 1.0f);
}

void Mixer::Render(int16_t* out, int frames)
{
    mix_.assign((size_t)frames * 2, 0.0f);
    for (Voice* voice : voices_) {
        if (voice->playing) {
            RenderVoice(*voice, mix_.data(), frames);
        }
    }
    for (Voice& tail : tails_) {
        RenderVoice(tail, mix_.data(), frames);
    }
    tails_.erase(std::remove_if(tails_.begin(), tails_.end(), [](const Voice& v) { return !v.playing; }),
                 tails_.end());
    if (silent_) {
        std::fill(mix_.begin(), mix_.end(), 0.0f);
    }
    for (int i = 0; i < frames; i++) {
        float left = mix_[i * 2];
        float right = mix_[i * 2 + 1];
        float peak = std::max(std::fabs(left), std::fabs(right));
        if (peak * gain_ > CEILING) {
            gain_ = CEILING / peak;
        } else {
            gain_ += (1.0f - gain_) * release_;
        }
        out[i * 2] = (int16_t)std::lrint(std::clamp(left * gain_, -1.0f, 1.0f) * 32767.0f);
        out[i * 2 + 1] = (int16_t)std::lrint(std::clamp(right * gain_, -1.0f, 1.0f) * 32767.0f);
    }
}

void Mixer::Skip(uint64_t frames)
{
    tails_.clear();
    for (Voice* voice : voices_) {
        if (!voice->playing || voice->frames == 0) {
            continue;
        }
        voice->fadeIn = (int)std::max<int64_t>(0, voice->fadeIn - (int64_t)std::min<uint64_t>(frames, fadeFrames_));
        unsigned __int128 end = (unsigned __int128)voice->frames << 32;
        unsigned __int128 position = voice->position + (unsigned __int128)frames * voice->step;
        if (position < end) {
            voice->position = (uint64_t)position;
        } else if (voice->looping) {
            voice->position = (uint64_t)(position % end);
        } else {
            voice->playing = false;
            voice->position = 0;
        }
    }
}

void Mixer::Clear()
{
    voices_.clear();
    tails_.clear();
    gain_ = 1.0f;
}

}  // namespace plat
