// The RIFF walk: the first "fmt " and "data" chunks are taken, others are
// skipped with their pad byte, and every chunk must lie inside the file.
#include "wav_file.h"

#include <fstream>
#include <iterator>

namespace {

const size_t RIFF_HEADER = 12;
const size_t CHUNK_HEADER = 8;
const size_t FORMAT_SIZE = 16;

uint32_t Read32(const uint8_t* p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

uint16_t Read16(const uint8_t* p)
{
    return (uint16_t)(p[0] | p[1] << 8);
}

bool Tag(const uint8_t* p, const char* tag)
{
    return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

struct Chunks {
    const uint8_t* format = nullptr;
    size_t formatSize = 0;
    const uint8_t* data = nullptr;
    size_t dataSize = 0;
};

bool FindChunks(const uint8_t* bytes, size_t size, Chunks& chunks, std::string& error)
{
    if (size < RIFF_HEADER || !Tag(bytes, "RIFF") || !Tag(bytes + 8, "WAVE")) {
        error = "not a RIFF WAVE file";
        return false;
    }
    size_t pos = RIFF_HEADER;
    while (pos + CHUNK_HEADER <= size && (chunks.format == nullptr || chunks.data == nullptr)) {
        const uint8_t* header = bytes + pos;
        size_t length = Read32(header + 4);
        if (length > size - pos - CHUNK_HEADER) {
            error = "chunk '" + std::string((const char*)header, 4) + "' runs past the end of the file";
            return false;
        }
        if (Tag(header, "fmt ") && chunks.format == nullptr) {
            chunks.format = header + CHUNK_HEADER;
            chunks.formatSize = length;
        } else if (Tag(header, "data") && chunks.data == nullptr) {
            chunks.data = header + CHUNK_HEADER;
            chunks.dataSize = length;
        }
        pos += CHUNK_HEADER + length + (length & 1);
    }
    if (chunks.format != nullptr && chunks.data != nullptr) {
        return true;
    }
    if (pos < size) {
        error = "the file ends inside a chunk header";
    } else {
        error = chunks.format == nullptr ? "no 'fmt ' chunk" : "no 'data' chunk";
    }
    return false;
}

bool ReadFormat(const Chunks& chunks, Wave& wave, std::string& error)
{
    const uint8_t* f = chunks.format;
    if (chunks.formatSize < FORMAT_SIZE) {
        error = "'fmt ' chunk of " + std::to_string(chunks.formatSize) + " bytes is too short";
        return false;
    }
    int tag = Read16(f), channels = Read16(f + 2), blockAlign = Read16(f + 12);
    wave.rate = (int)Read32(f + 4);
    wave.bits = Read16(f + 14);
    if (tag != 1) {
        error = "format tag " + std::to_string(tag) + " is not plain PCM";
    } else if (channels != 1 && channels != 2) {
        error = std::to_string(channels) + " channels (only mono and stereo are read)";
    } else if (wave.bits != 8 && wave.bits != 16) {
        error = std::to_string(wave.bits) + " bits per sample (only 8 and 16 are read)";
    } else if (wave.rate <= 0) {
        error = "a sample rate of 0";
    } else if (blockAlign != channels * wave.bits / 8) {
        error = "block align " + std::to_string(blockAlign) + " does not match the channels and bits";
    } else if (chunks.dataSize == 0) {
        error = "the 'data' chunk is empty";
    } else if (chunks.dataSize % blockAlign != 0) {
        error = "'data' chunk of " + std::to_string(chunks.dataSize) + " bytes is not a whole number of frames";
    } else {
        wave.channels.assign(channels, {});
        return true;
    }
    return false;
}

float Sample(const uint8_t* p, int bits)
{
    if (bits == 8) {
        return (p[0] - 128) / 128.0f;
    }
    return (int16_t)Read16(p) / 32768.0f;
}

void ReadSamples(const Chunks& chunks, Wave& wave)
{
    size_t step = wave.bits / 8;
    size_t frames = chunks.dataSize / (step * wave.channels.size());
    const uint8_t* p = chunks.data;
    for (auto& channel : wave.channels) {
        channel.reserve(frames);
    }
    for (size_t i = 0; i < frames; i++) {
        for (auto& channel : wave.channels) {
            channel.push_back(Sample(p, wave.bits));
            p += step;
        }
    }
}

}  // namespace

bool AtFullScale(float sample, int bits)
{
    float top = bits == 8 ? 127.0f / 128.0f : 32767.0f / 32768.0f;
    return sample <= -1.0f || sample >= top;
}

bool ParseWave(const uint8_t* bytes, size_t size, Wave& wave, std::string& error)
{
    Chunks chunks;
    if (!FindChunks(bytes, size, chunks, error) || !ReadFormat(chunks, wave, error)) {
        return false;
    }
    ReadSamples(chunks, wave);
    return true;
}

bool ReadWaveFile(const std::string& path, Wave& wave, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open the file";
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ParseWave(bytes.data(), bytes.size(), wave, error);
}
