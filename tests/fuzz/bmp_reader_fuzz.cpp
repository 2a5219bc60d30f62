// Fuzzes the bitmap reader with both entry points: files and packed resources.
#include <cstddef>
#include <cstdint>

#include "bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    plat::DibImage image;
    std::string error;
    if (plat::ParseBmpFile(data, size, image, error)) {
        volatile BYTE sink = image.pixels.empty() ? 0 : image.pixels.back();
        (void)sink;
    }
    plat::DibImage packed;
    plat::ParseDib(data, size, packed, error);
    return 0;
}
