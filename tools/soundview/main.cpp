// soundview: the waveform and spectrogram of a PCM WAVE file as a PNG, and
// one line of level and loop-seam figures on stdout.
// usage: soundview IN.wav OUT.png [--linear]
// Exit code 2 for bad arguments, an unreadable or malformed wave, or a PNG
// that cannot be written.
#include <cstdio>
#include <cstring>
#include <string>

#include "figures.h"
#include "view.h"
#include "wav_file.h"

int main(int argc, char** argv)
{
    bool linear = argc == 4 && strcmp(argv[3], "--linear") == 0;
    if (argc != 3 && !linear) {
        fprintf(stderr, "usage: %s IN.wav OUT.png [--linear]\n", argv[0]);
        return 2;
    }
    Wave wave;
    std::string error;
    if (!ReadWaveFile(argv[1], wave, error)) {
        fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 2;
    }
    if (!WritePng(DrawView(wave, linear ? FrequencyScale::Linear : FrequencyScale::Log), argv[2])) {
        fprintf(stderr, "%s: cannot write the picture\n", argv[2]);
        return 2;
    }
    printf("%s\n", FormatFigures(wave, Measure(wave)).c_str());
    return 0;
}
