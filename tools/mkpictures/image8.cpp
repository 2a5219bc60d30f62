// An 8-bit palettised picture in memory and the few shapes the placeholders use.
#include "image8.h"

Image8 MakeImage(int32_t width, int32_t height, uint8_t fill, const Palette& palette)
{
    Image8 image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, fill);
    image.palette = palette;
    return image;
}

uint8_t PixelAt(const Image8& image, int32_t x, int32_t y)
{
    return image.pixels[static_cast<size_t>(y) * image.width + x];
}

void PutPixel(Image8& image, int32_t x, int32_t y, uint8_t ink)
{
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
        return;
    }
    image.pixels[static_cast<size_t>(y) * image.width + x] = ink;
}

void FillBox(Image8& image, const AtlasBox& box, uint8_t ink)
{
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            PutPixel(image, x, y, ink);
        }
    }
}

void OutlineBox(Image8& image, const AtlasBox& box, uint8_t ink)
{
    for (int32_t x = box.left; x < box.right; ++x) {
        PutPixel(image, x, box.top, ink);
        PutPixel(image, x, box.bottom - 1, ink);
    }
    for (int32_t y = box.top; y < box.bottom; ++y) {
        PutPixel(image, box.left, y, ink);
        PutPixel(image, box.right - 1, y, ink);
    }
}

AtlasBox InsetBox(const AtlasBox& box, int32_t by)
{
    AtlasBox inner = {box.left + by, box.top + by, box.right - by, box.bottom - by};
    return inner;
}
