// Writes samples as a RIFF WAVE file of uncompressed PCM.
#ifndef MKSOUNDS_WAVE_WRITER_H
#define MKSOUNDS_WAVE_WRITER_H

#include <cstdint>
#include <string>
#include <vector>

// The whole RIFF WAVE file in memory.
std::vector<uint8_t> WaveBytes(const std::vector<float>& stereo, int channels, int rate, int bits);

// Stereo float samples in, the given channels and bits out (mono takes the
// mean of the two sides). Returns false when the file cannot be written.
bool WriteWave(const std::string& path, const std::vector<float>& stereo, int channels, int rate, int bits);

#endif
