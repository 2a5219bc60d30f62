// The seam's frames saved as PNG pictures, for the tests and tools that look
// at them; apart from the seam so that the game itself needs no libpng.
#include <png.h>

#include <cstdio>

#include "seam.h"

namespace seam {

bool SaveFramePng(const Frame& frame, const std::string& path)
{
    if (frame.width == 0) {
        return false;
    }
    FILE* file = fopen(path.c_str(), "wb");
    if (file == NULL) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, frame.width, frame.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row((size_t)frame.width * 3);
    for (int y = 0; y < frame.height; y++) {
        for (int x = 0; x < frame.width; x++) {
            const PALETTEENTRY& c = frame.palette[frame.indices[(size_t)y * frame.width + x]];
            row[x * 3] = c.peRed;
            row[x * 3 + 1] = c.peGreen;
            row[x * 3 + 2] = c.peBlue;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    fclose(file);
    return true;
}

}  // namespace seam
