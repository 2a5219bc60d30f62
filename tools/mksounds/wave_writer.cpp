// RIFF WAVE output: a 16-byte "fmt " chunk and the "data" chunk.
#include "wave_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; i++) {
        out.push_back((uint8_t)(v >> (8 * i)));
    }
}

void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back((uint8_t)v);
    out.push_back((uint8_t)(v >> 8));
}

void PutTag(std::vector<uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

void PutSample(std::vector<uint8_t>& out, float value, int bits)
{
    double v = std::clamp((double)value, -1.0, 1.0);
    if (bits == 8) {
        out.push_back((uint8_t)std::clamp(std::lround(v * 127.0) + 128, 0L, 255L));
    } else {
        Put16(out, (uint16_t)(int16_t)std::lround(v * 32767.0));
    }
}

}  // namespace

std::vector<uint8_t> WaveBytes(const std::vector<float>& stereo, int channels, int rate, int bits)
{
    size_t frames = stereo.size() / 2;
    uint32_t blockAlign = channels * bits / 8;
    uint32_t dataBytes = (uint32_t)(frames * blockAlign);
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, 4 + 8 + 16 + 8 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, (uint16_t)channels);
    Put32(out, (uint32_t)rate);
    Put32(out, (uint32_t)rate * blockAlign);
    Put16(out, (uint16_t)blockAlign);
    Put16(out, (uint16_t)bits);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (size_t i = 0; i < frames; i++) {
        if (channels == 1) {
            PutSample(out, (stereo[i * 2] + stereo[i * 2 + 1]) * 0.5f, bits);
        } else {
            PutSample(out, stereo[i * 2], bits);
            PutSample(out, stereo[i * 2 + 1], bits);
        }
    }
    return out;
}

bool WriteWave(const std::string& path, const std::vector<float>& stereo, int channels, int rate, int bits)
{
    std::vector<uint8_t> out = WaveBytes(stereo, channels, rate, bits);
    FILE* file = fopen(path.c_str(), "wb");
    if (file == NULL) {
        return false;
    }
    bool written = fwrite(out.data(), 1, out.size(), file) == out.size();
    return fclose(file) == 0 && written;
}
