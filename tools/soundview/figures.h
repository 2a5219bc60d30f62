// The numbers that tell whether a sound's levels are sane and whether it
// joins up when played in a loop.
#ifndef SOUNDVIEW_FIGURES_H
#define SOUNDVIEW_FIGURES_H

#include <cstddef>
#include <string>

#include "wav_file.h"

struct Figures {
    double seconds = 0;
    double peakDb = 0;     // the largest |sample| of any channel, dB below full scale
    double rmsDb = 0;      // over all channels
    double dcOffset = 0;   // the mean sample, full scale = 1
    size_t clipped = 0;    // samples at the very end of the range
    double loopJump = 0;   // the largest |first - last| of any channel
    double jump999 = 0;    // 99.9th percentile of adjacent-sample jumps
    double maxJump = 0;    // the largest adjacent-sample jump inside the file
};

// `wave` holds at least one frame, as every wave that ParseWave accepts does.
Figures Measure(const Wave& wave);
// One line of key=value pairs.
std::string FormatFigures(const Wave& wave, const Figures& figures);

#endif
