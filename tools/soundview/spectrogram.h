// Short-time spectra of a wave's channels mixed to mono.
#ifndef SOUNDVIEW_SPECTROGRAM_H
#define SOUNDVIEW_SPECTROGRAM_H

#include <vector>

#include "wav_file.h"

struct Spectrogram {
    int columns = 0;
    int bins = 0;         // from 0 Hz to just under the Nyquist frequency
    double binHz = 0;
    std::vector<float> db;  // columns * bins; 0 dB is a full-scale sine

    float At(int column, double hz) const;  // interpolated between bins
};

// `columns` Hann-windowed spectra of about 46 ms each, centred evenly
// over the wave's length; samples beyond either end count as silence.
Spectrogram ComputeSpectrogram(const Wave& wave, int columns);

#endif
