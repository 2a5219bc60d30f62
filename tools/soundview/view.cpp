// Waveforms span full scale top to bottom, with faint lines at half scale
// (-6 dBFS); a column holding a sample at the end of the range is red.
// The spectrogram runs from 30 Hz (log) or 0 Hz (linear) at the bottom to
// the Nyquist frequency at the top, -100 dB black to 0 dB white, with faint
// lines at 100 Hz, 1 kHz and 10 kHz (log) or every 2 kHz (linear). Time
// ticks along the bottom of the strips fall every 0.01, 0.1, 1 or 10 s.
#include "view.h"

#include <algorithm>
#include <cmath>

#include "spectrogram.h"

namespace {

const int WIDTH = 1200;
const int WAVE_HEIGHT = 200;
const int GAP = 4;
const int SPECTRUM_HEIGHT = 360;
const double LOWEST_HZ = 30.0;
const float QUIETEST_DB = -100.0f;

const Colour BACKGROUND = {16, 16, 24};
const Colour GUIDE = {60, 60, 76};
const Colour ENVELOPE = {90, 200, 120};
const Colour BODY = {170, 250, 190};
const Colour CLIPPED = {255, 60, 60};
const Colour TICK = {200, 200, 200};

Colour Mix(Colour a, Colour b, double t)
{
    return {(uint8_t)(a.r + (b.r - a.r) * t), (uint8_t)(a.g + (b.g - a.g) * t), (uint8_t)(a.b + (b.b - a.b) * t)};
}

// Black, blue, magenta, orange, yellow, white as the level rises.
Colour Heat(float db)
{
    static const Colour STOPS[] = {{0, 0, 0}, {20, 20, 140}, {170, 30, 160}, {240, 110, 30}, {250, 230, 60},
                                   {255, 255, 255}};
    const int last = sizeof STOPS / sizeof STOPS[0] - 1;
    double t = std::clamp((db - QUIETEST_DB) / -QUIETEST_DB, 0.0f, 1.0f) * last;
    int low = std::min((int)t, last - 1);
    return Mix(STOPS[low], STOPS[low + 1], t - low);
}

void DrawColumn(Image& image, int x, int top, int bottom, Colour c)
{
    for (int y = top; y <= bottom; y++) {
        image.Set(x, y, c);
    }
}

struct Span {
    float low, high;
    double rms;
};

// The samples under column `x`, with the next one so that columns join.
Span ColumnSpan(const std::vector<float>& samples, int x)
{
    size_t n = samples.size();
    size_t first = (size_t)x * n / WIDTH;
    size_t last = std::min(n - 1, std::max(first + 1, (size_t)(x + 1) * n / WIDTH));
    auto [low, high] = std::minmax_element(samples.begin() + first, samples.begin() + last + 1);
    double squares = 0;
    for (size_t i = first; i <= last; i++) {
        squares += (double)samples[i] * samples[i];
    }
    return {*low, *high, std::sqrt(squares / (double)(last - first + 1))};
}

void DrawChannel(Image& image, const std::vector<float>& samples, int bits, int top, int height)
{
    auto row = [&](double v) { return top + (int)std::lround((1.0 - v) * 0.5 * (height - 1)); };
    for (int x = 0; x < WIDTH; x++) {
        image.Set(x, row(0.5), GUIDE);
        image.Set(x, row(-0.5), GUIDE);
        image.Set(x, row(0.0), GUIDE);
        Span span = ColumnSpan(samples, x);
        bool clipped = AtFullScale(span.low, bits) || AtFullScale(span.high, bits);
        DrawColumn(image, x, row(span.high), row(span.low), clipped ? CLIPPED : ENVELOPE);
        DrawColumn(image, x, row(std::min(span.rms, (double)span.high)), row(std::max(-span.rms, (double)span.low)),
                   clipped ? CLIPPED : BODY);
    }
}

double RowHz(int row, int height, double nyquist, FrequencyScale scale)
{
    double up = 1.0 - (double)row / (height - 1);
    if (scale == FrequencyScale::Linear) {
        return up * nyquist;
    }
    return LOWEST_HZ * std::pow(nyquist / LOWEST_HZ, up);
}

bool IsGuideHz(double hz, double nextHz, FrequencyScale scale)
{
    if (scale == FrequencyScale::Linear) {
        return std::floor(hz / 2000.0) != std::floor(nextHz / 2000.0);
    }
    return std::floor(std::log10(hz)) != std::floor(std::log10(nextHz));
}

void DrawSpectrogram(Image& image, const Wave& wave, int top, FrequencyScale scale)
{
    Spectrogram s = ComputeSpectrogram(wave, WIDTH);
    double nyquist = wave.rate / 2.0;
    for (int y = 0; y < SPECTRUM_HEIGHT; y++) {
        double hz = RowHz(y, SPECTRUM_HEIGHT, nyquist, scale);
        bool guide = y + 1 < SPECTRUM_HEIGHT && IsGuideHz(hz, RowHz(y + 1, SPECTRUM_HEIGHT, nyquist, scale), scale);
        for (int x = 0; x < WIDTH; x++) {
            image.Set(x, top + y, guide && x % 6 < 2 ? TICK : Heat(s.At(x, hz)));
        }
    }
}

void DrawTimeTicks(Image& image, double seconds, int bottom)
{
    double step = 0.01;
    while (seconds / step > 30) {
        step *= 10;
    }
    for (double t = step; t < seconds; t += step) {
        int x = (int)(t / seconds * WIDTH);
        DrawColumn(image, x, bottom - 6, bottom, TICK);
    }
}

}  // namespace

Image DrawView(const Wave& wave, FrequencyScale scale)
{
    Image image(WIDTH, WAVE_HEIGHT + GAP + SPECTRUM_HEIGHT, BACKGROUND);
    int strip = WAVE_HEIGHT / (int)wave.channels.size();
    for (size_t c = 0; c < wave.channels.size(); c++) {
        DrawChannel(image, wave.channels[c], wave.bits, (int)c * strip, strip - 2);
    }
    DrawTimeTicks(image, wave.Seconds(), WAVE_HEIGHT - 1);
    DrawSpectrogram(image, wave, WAVE_HEIGHT + GAP, scale);
    DrawTimeTicks(image, wave.Seconds(), image.height - 1);
    return image;
}
