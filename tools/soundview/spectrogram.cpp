// Spectra of the mono mix, windowed and scaled so that a full-scale sine
// peaks at 0 dB whatever the window length.
#include "spectrogram.h"

#include <algorithm>
#include <cmath>

#include "fft.h"

namespace {

const double WINDOW_SECONDS = 0.046;
const float FLOOR_DB = -200.0f;

size_t WindowLength(int rate)
{
    size_t n = 256;
    while (n < rate * WINDOW_SECONDS) {
        n <<= 1;
    }
    return n;
}

std::vector<float> MonoMix(const Wave& wave)
{
    std::vector<float> mono(wave.Frames(), 0.0f);
    for (const auto& channel : wave.channels) {
        for (size_t i = 0; i < mono.size(); i++) {
            mono[i] += channel[i] / (float)wave.channels.size();
        }
    }
    return mono;
}

std::vector<float> Hann(size_t n)
{
    std::vector<float> w(n);
    for (size_t i = 0; i < n; i++) {
        w[i] = (float)(0.5 - 0.5 * std::cos(2.0 * M_PI * (double)i / (double)n));
    }
    return w;
}

// The windowed stretch of `mono` centred on `centre`, zero outside it.
std::vector<std::complex<float>> Frame(const std::vector<float>& mono, const std::vector<float>& window, long centre)
{
    long n = (long)window.size();
    std::vector<std::complex<float>> frame(n);
    for (long i = 0; i < n; i++) {
        long at = centre - n / 2 + i;
        if (at >= 0 && at < (long)mono.size()) {
            frame[i] = mono[at] * window[i];
        }
    }
    return frame;
}

}  // namespace

float Spectrogram::At(int column, double hz) const
{
    double bin = std::clamp(hz / binHz, 0.0, (double)(bins - 1));
    int low = std::min((int)bin, bins - 2);
    double t = bin - low;
    const float* row = &db[(size_t)column * bins];
    return (float)(row[low] * (1.0 - t) + row[low + 1] * t);
}

Spectrogram ComputeSpectrogram(const Wave& wave, int columns)
{
    size_t n = WindowLength(wave.rate);
    std::vector<float> window = Hann(n);
    std::vector<float> mono = MonoMix(wave);
    Spectrogram s;
    s.columns = columns;
    s.bins = (int)n / 2;
    s.binHz = (double)wave.rate / (double)n;
    s.db.resize((size_t)columns * s.bins);
    double fullScale = n / 4.0;  // a unit sine's peak bin under a Hann window
    for (int c = 0; c < columns; c++) {
        long centre = (long)((c + 0.5) * (double)mono.size() / columns);
        std::vector<std::complex<float>> frame = Frame(mono, window, centre);
        Fft(frame);
        for (int b = 0; b < s.bins; b++) {
            double level = std::abs(frame[b]) / fullScale;
            s.db[(size_t)c * s.bins + b] = level > 0 ? (float)(20.0 * std::log10(level)) : FLOOR_DB;
        }
    }
    return s;
}
