// Bitmap reading. A damaged picture is refused with the reason; nothing is
// ever read past the end of the data.
#include "bmp_reader.h"

namespace plat {

static const int MAX_SIDE = 16384;
static const size_t FILE_HEADER_SIZE = 14;

static DWORD ReadU32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | ((DWORD)p[3] << 24); }
static WORD ReadU16(const BYTE* p) { return (WORD)(p[0] | (p[1] << 8)); }

struct DibLayout {
    size_t tableOffset;
    size_t pixelOffset;
    bool bottomUp;
};

static bool Fail(std::string& error, const char* reason)
{
    error = reason;
    return false;
}

// Reads and checks the info header and colour table; fills the layout.
static bool ReadHeader(const BYTE* data, size_t size, DibImage& out, DibLayout& layout, std::string& error)
{
    if (size < 40) {
        return Fail(error, "header cut short");
    }
    DWORD headerSize = ReadU32(data);
    int32_t width = (int32_t)ReadU32(data + 4);
    int32_t height = (int32_t)ReadU32(data + 8);
    WORD planes = ReadU16(data + 12);
    WORD bitCount = ReadU16(data + 14);
    DWORD compression = ReadU32(data + 16);
    DWORD used = ReadU32(data + 32);
    if (headerSize < 40 || headerSize > size) {
        return Fail(error, "bad header size");
    }
    if (planes != 1 || bitCount != 8 || compression != 0) {
        return Fail(error, "not an uncompressed 8-bit picture");
    }
    if (width <= 0 || width > MAX_SIDE || height == 0 || height > MAX_SIDE || height < -MAX_SIDE) {
        return Fail(error, "bad picture size");
    }
    if (used > 256) {
        return Fail(error, "too many colours");
    }
    out.width = width;
    out.height = height < 0 ? -height : height;
    out.colourCount = used != 0 ? (int)used : 256;
    layout.tableOffset = headerSize;
    layout.pixelOffset = headerSize + (size_t)out.colourCount * 4;
    layout.bottomUp = height > 0;
    if (layout.pixelOffset > size) {
        return Fail(error, "colour table cut short");
    }
    for (int i = 0; i < out.colourCount; i++) {
        const BYTE* q = data + layout.tableOffset + (size_t)i * 4;
        out.colours[i] = RGBQUAD{q[0], q[1], q[2], q[3]};
    }
    return true;
}

static bool ReadPixels(const BYTE* data, size_t size, const DibLayout& layout, DibImage& out, std::string& error)
{
    size_t stride = ((size_t)out.width + 3) & ~(size_t)3;
    if (layout.pixelOffset > size || (size - layout.pixelOffset) / stride < (size_t)out.height) {
        return Fail(error, "pixels cut short");
    }
    out.pixels.resize((size_t)out.width * out.height);
    for (int row = 0; row < out.height; row++) {
        int from = layout.bottomUp ? out.height - 1 - row : row;
        memcpy(&out.pixels[(size_t)row * out.width], data + layout.pixelOffset + (size_t)from * stride, out.width);
    }
    return true;
}

bool ParseDib(const BYTE* data, size_t size, DibImage& out, std::string& error)
{
    DibLayout layout;
    return data != nullptr && ReadHeader(data, size, out, layout, error) &&
           ReadPixels(data, size, layout, out, error);
}

bool ParseBmpFile(const BYTE* data, size_t size, DibImage& out, std::string& error)
{
    if (data == nullptr || size < FILE_HEADER_SIZE || data[0] != 'B' || data[1] != 'M') {
        return Fail(error, "not a bitmap file");
    }
    DWORD pixelOffset = ReadU32(data + 10);
    DibLayout layout;
    if (!ReadHeader(data + FILE_HEADER_SIZE, size - FILE_HEADER_SIZE, out, layout, error)) {
        return false;
    }
    if (pixelOffset < FILE_HEADER_SIZE + layout.pixelOffset) {
        return Fail(error, "pixel offset inside the header");
    }
    layout.pixelOffset = pixelOffset - FILE_HEADER_SIZE;
    return ReadPixels(data + FILE_HEADER_SIZE, size - FILE_HEADER_SIZE, layout, out, error);
}

}  // namespace plat
