// The mixer's cost: one second of output with ten effect voices and one music
// voice playing, mixed in device-sized blocks, as a share of one core.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "mixer.h"

namespace {

const int OUT_RATE = 44100;
const int BLOCK = 1024;

plat::Voice Noise(int channels, int rate, int bits, int frames)
{
    plat::Voice voice;
    voice.samples = std::make_shared<plat::SampleBlock>();
    voice.channels = channels;
    voice.bits = bits;
    voice.rate = rate;
    voice.frames = (uint32_t)frames;
    voice.samples->bytes.resize((size_t)frames * channels * bits / 8);
    uint32_t seed = 1;
    for (uint8_t& b : voice.samples->bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = (uint8_t)(seed >> 24);
    }
    voice.looping = true;
    return voice;
}

void BM_MixOneSecond(benchmark::State& state)
{
    plat::Mixer mixer(OUT_RATE);
    std::vector<plat::Voice> voices;
    voices.reserve(11);
    for (int i = 0; i < 10; i++) {
        voices.push_back(Noise(2, 44100, 16, 20000 + 977 * i));
    }
    voices.push_back(Noise(2, 22050, 8, 352856));
    for (plat::Voice& v : voices) {
        mixer.Add(&v);
        mixer.Start(&v);
    }
    std::vector<int16_t> out(BLOCK * 2);
    for (auto _ : state) {
        for (int done = 0; done < OUT_RATE; done += BLOCK) {
            mixer.Render(out.data(), std::min(BLOCK, OUT_RATE - done));
        }
        benchmark::DoNotOptimize(out.data());
    }
    // Seconds of work per second of sound, in percent of one core.
    state.counters["core_percent"] =
        benchmark::Counter(state.iterations() / 100.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MixOneSecond)->Unit(benchmark::kMillisecond);

}  // namespace
