// Writes samples as a RIFF WAVE file of uncompressed PCM.
#ifndef MKSOUNDS_WAVE_WRITER_H
#define MKSOUNDS_WAVE_WRITER_H

#include <string>
#include <vector>

// Stereo float samples in, the given channels and bits out (mono takes the
// mean of the two sides). Returns false when the file cannot be written.
bool WriteWave(const std::string& path, const std::vector<float>& stereo, int channels, int rate, int bits);

#endif
