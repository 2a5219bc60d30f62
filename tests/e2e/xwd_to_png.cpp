// Converts the X framebuffer dump that Xvfb keeps (-fbdir) to a PNG:
// xwd_to_png SCREEN.xwd OUT.png. Only 24/32-bit TrueColor screens.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

uint32_t Field(const std::vector<unsigned char>& d, int index)
{
    size_t at = (size_t)index * 4;
    return (uint32_t)d[at] << 24 | d[at + 1] << 16 | d[at + 2] << 8 | d[at + 3];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s SCREEN.xwd OUT.png\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (d.size() < 100) {
        fprintf(stderr, "%s: too short\n", argv[1]);
        return 1;
    }
    uint32_t headerSize = Field(d, 0), width = Field(d, 4), height = Field(d, 5);
    uint32_t bitsPerPixel = Field(d, 11), bytesPerLine = Field(d, 12), colours = Field(d, 19);
    size_t pixels = headerSize + (size_t)colours * 12;
    if (bitsPerPixel != 32 || pixels + (size_t)bytesPerLine * height > d.size()) {
        fprintf(stderr, "%s: not a 32-bit screen dump\n", argv[1]);
        return 1;
    }
    FILE* out = fopen(argv[2], "wb");
    if (out == NULL) {
        return 1;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, out);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(width * 3);
    for (uint32_t y = 0; y < height; y++) {
        const unsigned char* p = &d[pixels + (size_t)y * bytesPerLine];
        for (uint32_t x = 0; x < width; x++) {
            row[x * 3] = p[x * 4 + 2];
            row[x * 3 + 1] = p[x * 4 + 1];
            row[x * 3 + 2] = p[x * 4];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    fclose(out);
    return 0;
}
