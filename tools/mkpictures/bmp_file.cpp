// Windows BMP encoding of an 8-bit picture: file header, 40-byte info header,
// 256-entry colour table, bottom-up rows padded to 4 bytes.
#include "bmp_file.h"

#include <fstream>

static const uint32_t FILE_HEADER_SIZE = 14;
static const uint32_t INFO_HEADER_SIZE = 40;
static const uint32_t COLOUR_TABLE_SIZE = 256 * 4;

static void Put16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

static void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::vector<uint8_t> EncodeBmp(const Image8& image)
{
    uint32_t stride = (static_cast<uint32_t>(image.width) + 3) & ~3u;
    uint32_t pixelBytes = stride * static_cast<uint32_t>(image.height);
    uint32_t offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + COLOUR_TABLE_SIZE;
    std::vector<uint8_t> out;
    out.reserve(offset + pixelBytes);

    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + pixelBytes);
    Put32(out, 0);                      // two reserved words
    Put32(out, offset);

    Put32(out, INFO_HEADER_SIZE);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));   // positive: bottom-up
    Put16(out, 1);                      // planes
    Put16(out, 8);                      // bits per pixel
    Put32(out, 0);                      // no compression
    Put32(out, pixelBytes);
    Put32(out, 0);                      // no resolution preference
    Put32(out, 0);
    Put32(out, 0);                      // colours used: all 256
    Put32(out, 0);                      // colours important: all

    for (size_t i = 0; i < image.palette.size(); ++i) {
        out.push_back(image.palette[i].b);
        out.push_back(image.palette[i].g);
        out.push_back(image.palette[i].r);
        out.push_back(0);
    }
    for (int32_t y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = &image.pixels[static_cast<size_t>(y) * image.width];
        out.insert(out.end(), row, row + image.width);
        out.resize(out.size() + (stride - static_cast<uint32_t>(image.width)), 0);
    }
    return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
