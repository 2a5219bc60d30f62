// Test helper: reads back the header fields, colour table and pixels of an
// 8-bit BMP.
#include "bmp_reader.h"

#include <fstream>
#include <iterator>

static uint32_t Get16(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8);
}

static uint32_t Get32(const std::vector<uint8_t>& b, size_t at)
{
    return Get16(b, at) | (Get16(b, at + 2) << 16);
}

bool ReadBmp(const std::vector<uint8_t>& b, BmpFields* bmp)
{
    if (b.size() < 14 + 40 + 1024) {
        return false;
    }
    bmp->type = static_cast<uint16_t>(Get16(b, 0));
    bmp->fileSize = Get32(b, 2);
    bmp->reserved = Get32(b, 6);
    bmp->pixelOffset = Get32(b, 10);
    bmp->infoSize = Get32(b, 14);
    bmp->width = static_cast<int32_t>(Get32(b, 18));
    bmp->height = static_cast<int32_t>(Get32(b, 22));
    bmp->planes = static_cast<uint16_t>(Get16(b, 26));
    bmp->bitCount = static_cast<uint16_t>(Get16(b, 28));
    bmp->compression = Get32(b, 30);
    bmp->imageSize = Get32(b, 34);
    bmp->coloursUsed = Get32(b, 46);
    bmp->coloursImportant = Get32(b, 50);
    for (int i = 0; i < 256; ++i) {
        for (int k = 0; k < 4; ++k) {
            bmp->table[i][k] = b[54 + 4 * i + k];
        }
    }
    if (bmp->width <= 0 || bmp->height <= 0) {
        return false;
    }
    size_t stride = (static_cast<size_t>(bmp->width) + 3) & ~static_cast<size_t>(3);
    if (bmp->pixelOffset + stride * bmp->height > b.size()) {
        return false;
    }
    bmp->pixels.resize(static_cast<size_t>(bmp->width) * bmp->height);
    for (int32_t row = 0; row < bmp->height; ++row) {
        size_t from = bmp->pixelOffset + stride * (bmp->height - 1 - row);
        std::copy(b.begin() + from, b.begin() + from + bmp->width, bmp->pixels.begin() + row * bmp->width);
    }
    return true;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
