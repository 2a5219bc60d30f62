// Reading PCM WAVE files (8 or 16 bits, mono or stereo) into float samples.
#ifndef SOUNDVIEW_WAV_FILE_H
#define SOUNDVIEW_WAV_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Wave {
    int rate = 0;
    int bits = 0;
    // One vector per channel, full scale at -1 and just under +1.
    std::vector<std::vector<float>> channels;

    size_t Frames() const { return channels.empty() ? 0 : channels[0].size(); }
    double Seconds() const { return rate == 0 ? 0.0 : (double)Frames() / rate; }
};

// True for a sample at either end of the range that `bits` can hold.
bool AtFullScale(float sample, int bits);

// Parses a whole WAVE file held in memory. On failure returns false and says
// why in `error`; `wave` is then left unspecified.
bool ParseWave(const uint8_t* bytes, size_t size, Wave& wave, std::string& error);
bool ReadWaveFile(const std::string& path, Wave& wave, std::string& error);

#endif
