// An 8-bit palettised picture in memory and the few shapes the placeholders use.
#ifndef MKPICTURES_IMAGE8_H
#define MKPICTURES_IMAGE8_H

#include <array>
#include <stddef.h>
#include <stdint.h>
#include <vector>

#include "../../video/atlas_rects.h"

struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

typedef std::array<Rgb, 256> Palette;

// Pixels top row first, one byte per pixel.
struct Image8 {
    int32_t width;
    int32_t height;
    std::vector<uint8_t> pixels;
    Palette palette;
};

Image8 MakeImage(int32_t width, int32_t height, uint8_t fill, const Palette& palette);
uint8_t PixelAt(const Image8& image, int32_t x, int32_t y);

// Every shape stays inside the picture; pixels outside it are dropped.
void PutPixel(Image8& image, int32_t x, int32_t y, uint8_t ink);
void FillBox(Image8& image, const AtlasBox& box, uint8_t ink);
void OutlineBox(Image8& image, const AtlasBox& box, uint8_t ink);
AtlasBox InsetBox(const AtlasBox& box, int32_t by);

#endif
