// Test helper: reads back the header fields, colour table and pixels of an
// 8-bit BMP, so the checks do not trust the encoder they check.
#ifndef TESTS_PICTURES_BMP_READER_H
#define TESTS_PICTURES_BMP_READER_H

#include <stdint.h>
#include <string>
#include <vector>

struct BmpFields {
    uint16_t type;
    uint32_t fileSize;
    uint32_t reserved;
    uint32_t pixelOffset;
    uint32_t infoSize;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t imageSize;
    uint32_t coloursUsed;
    uint32_t coloursImportant;
    uint8_t table[256][4];          // blue, green, red, reserved
    std::vector<uint8_t> pixels;    // top row first, unpadded
};

// False when the bytes are too short for the fields or the rows they declare.
bool ReadBmp(const std::vector<uint8_t>& bytes, BmpFields* bmp);
std::vector<uint8_t> ReadFileBytes(const std::string& path);

#endif
