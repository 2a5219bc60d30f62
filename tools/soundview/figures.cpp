// Level, offset and seam figures over every channel of a wave.
#include "figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

double Decibels(double level)
{
    return level > 0 ? 20.0 * std::log10(level) : -INFINITY;
}

void MeasureLevels(const Wave& wave, Figures& f)
{
    double peak = 0, sum = 0, squares = 0;
    size_t count = 0;
    for (const auto& channel : wave.channels) {
        for (float s : channel) {
            peak = std::max(peak, (double)std::fabs(s));
            sum += s;
            squares += (double)s * s;
            f.clipped += AtFullScale(s, wave.bits);
        }
        count += channel.size();
    }
    f.peakDb = Decibels(peak);
    f.rmsDb = Decibels(std::sqrt(squares / count));
    f.dcOffset = sum / count;
}

void MeasureJumps(const Wave& wave, Figures& f)
{
    std::vector<float> jumps;
    for (const auto& channel : wave.channels) {
        for (size_t i = 1; i < channel.size(); i++) {
            jumps.push_back(std::fabs(channel[i] - channel[i - 1]));
        }
        f.loopJump = std::max(f.loopJump, (double)std::fabs(channel.front() - channel.back()));
    }
    if (jumps.empty()) {
        return;
    }
    f.maxJump = *std::max_element(jumps.begin(), jumps.end());
    auto at = jumps.begin() + (ptrdiff_t)((jumps.size() - 1) * 999 / 1000);
    std::nth_element(jumps.begin(), at, jumps.end());
    f.jump999 = *at;
}

}  // namespace

Figures Measure(const Wave& wave)
{
    Figures f;
    f.seconds = wave.Seconds();
    MeasureLevels(wave, f);
    MeasureJumps(wave, f);
    return f;
}

std::string FormatFigures(const Wave& wave, const Figures& f)
{
    char line[320];
    snprintf(line, sizeof line,
             "format=%dx%dx%d duration=%.3fs peak=%.1fdBFS rms=%.1fdBFS dc=%+.5f clipped=%zu "
             "loopjump=%.4f p999jump=%.4f maxjump=%.4f",
             (int)wave.channels.size(), wave.rate, wave.bits, f.seconds, f.peakDb, f.rmsDb, f.dcOffset, f.clipped,
             f.loopJump, f.jump999, f.maxJump);
    return line;
}
