// Pixels in rows of R, G, B bytes, written out through libpng.
#include "image.h"

#include <png.h>

#include <cstdio>

Image::Image(int w, int h, Colour fill) : width(w), height(h), rgb((size_t)w * h * 3)
{
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = fill.r;
        rgb[i + 1] = fill.g;
        rgb[i + 2] = fill.b;
    }
}

void Image::Set(int x, int y, Colour c)
{
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return;
    }
    uint8_t* p = &rgb[((size_t)y * width + x) * 3];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
}

bool WritePng(const Image& image, const std::string& path)
{
    FILE* out = fopen(path.c_str(), "wb");
    if (out == NULL) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(out);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; y++) {
        png_write_row(png, &image.rgb[(size_t)y * image.width * 3]);
    }
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    return fclose(out) == 0;
}
