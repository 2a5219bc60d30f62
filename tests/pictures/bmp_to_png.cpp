// bmp_to_png <in.bmp> <out.png> [scale]: converts a generated picture to PNG,
// each pixel repeated scale times across and down, to look at it in a viewer.
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <png.h>

#include "bmp_reader.h"

static bool WritePng(const char* path, const BmpFields& bmp, int32_t scale)
{
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, bmp.width * scale, bmp.height * scale, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color colours[256];
    for (int i = 0; i < 256; ++i) {
        colours[i].red = bmp.table[i][2];
        colours[i].green = bmp.table[i][1];
        colours[i].blue = bmp.table[i][0];
    }
    png_set_PLTE(png, info, colours, 256);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(bmp.width) * scale);
    for (int32_t y = 0; y < bmp.height * scale; ++y) {
        for (size_t x = 0; x < row.size(); ++x) {
            row[x] = bmp.pixels[static_cast<size_t>(y / scale) * bmp.width + x / scale];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

int main(int argc, char** argv)
{
    BmpFields bmp;
    int32_t scale = argc == 4 ? std::atoi(argv[3]) : 1;
    if (argc < 3 || argc > 4 || scale < 1 || !ReadBmp(ReadFileBytes(argv[1]), &bmp)) {
        std::fprintf(stderr, "usage: bmp_to_png <in.bmp> <out.png> [scale]\n");
        return 2;
    }
    return WritePng(argv[2], bmp, scale) ? 0 : 1;
}
