// The mixer on rendered output: loops without a seam, stops and starts
// without clicks, pitch kept through resampling, many voices without clipping.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "mixer.h"

namespace {

const double PI = 3.14159265358979323846;
const int OUT_RATE = 44100;

// A voice of `frames` frames of a sine of `hz`, at the given format.
plat::Voice Tone(int channels, int rate, int bits, double hz, int frames, double level = 0.5)
{
    plat::Voice voice;
    voice.samples = std::make_shared<plat::SampleBlock>();
    voice.channels = channels;
    voice.bits = bits;
    voice.rate = rate;
    voice.frames = (uint32_t)frames;
    for (int i = 0; i < frames; i++) {
        double v = level * std::sin(2 * PI * hz * i / rate);
        for (int c = 0; c < channels; c++) {
            if (bits == 8) {
                voice.samples->bytes.push_back((uint8_t)std::lround(128 + v * 127));
            } else {
                int16_t s = (int16_t)std::lround(v * 32767);
                uint8_t b[2];
                memcpy(b, &s, 2);
                voice.samples->bytes.insert(voice.samples->bytes.end(), b, b + 2);
            }
        }
    }
    return voice;
}

std::vector<int16_t> Render(plat::Mixer& mixer, int frames)
{
    std::vector<int16_t> out((size_t)frames * 2);
    mixer.Render(out.data(), frames);
    return out;
}

int LargestStep(const std::vector<int16_t>& out, size_t from = 0)
{
    int largest = 0;
    for (size_t i = from + 2; i < out.size(); i += 2) {
        largest = std::max(largest, std::abs(out[i] - out[i - 2]));
    }
    return largest;
}

double Frequency(const std::vector<int16_t>& out)
{
    int crossings = 0;
    for (size_t i = 2; i < out.size(); i += 2) {
        crossings += (out[i - 2] < 0) != (out[i] < 0);
    }
    return crossings / 2.0 / (out.size() / 2.0 / OUT_RATE);
}

TEST(Mixer, ALoopHasNoSeam)
{
    // 100 periods of 220.5 Hz fill the 22,050 Hz buffer exactly.
    plat::Mixer mixer(OUT_RATE);
    plat::Voice voice = Tone(2, 22050, 8, 220.5, 10000, 0.9);
    mixer.Add(&voice);
    voice.looping = true;
    mixer.Start(&voice);
    std::vector<int16_t> out = Render(mixer, OUT_RATE * 2);
    EXPECT_TRUE(voice.playing);
    // A sine of 220.5 Hz at 0.9 moves at most about 930 per output sample.
    EXPECT_LT(LargestStep(out, 400), 1100);
}

TEST(Mixer, AStoppedVoiceFadesToSilenceWithoutAClick)
{
    plat::Mixer mixer(OUT_RATE);
    plat::Voice voice = Tone(1, 44100, 16, 100, 44100, 0.9);
    mixer.Add(&voice);
    mixer.Start(&voice);
    std::vector<int16_t> start = Render(mixer, 2000);
    EXPECT_LT(std::abs(start[0]), 200);
    EXPECT_LT(LargestStep(start), 500);
    // Stop near a peak, where a cut would jump by the full level.
    Render(mixer, 441 / 4 - 2000 % 441 + 441);
    mixer.Stop(&voice);
    std::vector<int16_t> after = Render(mixer, 1000);
    EXPECT_LT(LargestStep(after), 500);
    for (size_t i = 2 * 200; i < after.size(); i++) {
        ASSERT_EQ(after[i], 0) << i;
    }
    EXPECT_FALSE(voice.playing);
}

TEST(Mixer, ResamplingKeepsPitch)
{
    struct Case {
        int channels, rate, bits;
        double hz;
    };
    for (Case c : {Case{1, 8000, 16, 1000}, Case{2, 22050, 8, 440}, Case{2, 44100, 16, 3000}, Case{1, 11025, 8, 700}}) {
        plat::Mixer mixer(OUT_RATE);
        plat::Voice voice = Tone(c.channels, c.rate, c.bits, c.hz, c.rate);
        mixer.Add(&voice);
        mixer.Start(&voice);
        std::vector<int16_t> out = Render(mixer, OUT_RATE / 2);
        EXPECT_NEAR(Frequency(out), c.hz, c.hz * 0.01) << c.rate;
        // A one-shot voice ends after its length.
        Render(mixer, OUT_RATE / 2 + 10);
        EXPECT_FALSE(voice.playing);
        EXPECT_EQ(voice.position, 0u);
    }
}

TEST(Mixer, ElevenLoudVoicesNeverClip)
{
    plat::Mixer mixer(OUT_RATE);
    std::vector<plat::Voice> voices;
    voices.reserve(11);
    for (int i = 0; i < 11; i++) {
        voices.push_back(Tone(2, 44100, 16, 200 + 37 * i, 44100, 0.95));
        voices.back().looping = true;
    }
    for (plat::Voice& v : voices) {
        mixer.Add(&v);
        mixer.Start(&v);
    }
    std::vector<int16_t> out = Render(mixer, OUT_RATE);
    int peak = 0;
    for (int16_t s : out) {
        peak = std::max(peak, std::abs((int)s));
    }
    EXPECT_LE(peak, 31200);
    EXPECT_GT(peak, 20000);
}

TEST(Mixer, SkippingMovesVoicesAsRenderingDoes)
{
    plat::Mixer mixer(OUT_RATE);
    plat::Voice a = Tone(1, 8000, 16, 500, 8000);
    plat::Voice b = Tone(1, 8000, 16, 500, 8000);
    a.looping = b.looping = true;
    mixer.Add(&a);
    mixer.Add(&b);
    mixer.Start(&a);
    mixer.Start(&b);
    Render(mixer, 70000);
    uint64_t rendered = a.position;
    mixer.Remove(&a);
    mixer.Skip(70000);
    EXPECT_EQ(b.position, rendered * 2 % ((uint64_t)8000 << 32));
}

}  // namespace
