// The picture of a sound: a waveform strip per channel above a spectrogram.
#ifndef SOUNDVIEW_VIEW_H
#define SOUNDVIEW_VIEW_H

#include "image.h"
#include "wav_file.h"

enum class FrequencyScale { Log, Linear };

Image DrawView(const Wave& wave, FrequencyScale scale);

#endif
