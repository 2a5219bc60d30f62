// Reading 8-bit bitmaps, as files or as the packed form a bitmap resource
// holds, checking every size, offset and count against the bytes there are.
#ifndef PLATFORM_BMP_READER_H
#define PLATFORM_BMP_READER_H

#include <windows.h>

#include <string>
#include <vector>

namespace plat {

struct DibImage {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    RGBQUAD colours[256] = {};
    std::vector<BYTE> pixels;  // top row first, `width` bytes per row
};

// A packed bitmap: info header, colour table, pixel rows.
bool ParseDib(const BYTE* data, size_t size, DibImage& out, std::string& error);
// A bitmap file: the 14-byte file header, then a packed bitmap whose pixels
// start at the header's offset.
bool ParseBmpFile(const BYTE* data, size_t size, DibImage& out, std::string& error);

}  // namespace plat

#endif
