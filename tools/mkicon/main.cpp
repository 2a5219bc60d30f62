// mkicon <outdir> SIZE...: the desktop icon, the frog of the title screen
// painted at 256 pixels on a clear ground, written as SIZE x SIZE PNGs.
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "canvas.h"
#include "frog_figure.h"

static const int PAINT_SIZE = 256;

struct Rgba {
    std::vector<double> r, g, b, a;
};

// The frog painted twice on two grounds: a pixel that differs is ground.
static Rgba PaintIcon(const Assets& assets)
{
    const AtlasBox box = {0, 0, PAINT_SIZE, PAINT_SIZE};
    Image8 first = MakeImage(PAINT_SIZE, PAINT_SIZE, 0, assets.game);
    Image8 second = MakeImage(PAINT_SIZE, PAINT_SIZE, 1, assets.game);
    for (Image8* image : {&first, &second}) {
        PaintFrogFront(*image, box, PAINT_SIZE / 2.0 - 14, PAINT_SIZE - 8, PAINT_SIZE - 44, true);
    }
    Rgba icon;
    for (size_t i = 0; i < first.pixels.size(); i++) {
        bool ground = first.pixels[i] != second.pixels[i];
        const Rgb& ink = assets.game[first.pixels[i]];
        icon.r.push_back(ground ? 0 : ink.r);
        icon.g.push_back(ground ? 0 : ink.g);
        icon.b.push_back(ground ? 0 : ink.b);
        icon.a.push_back(ground ? 0 : 255);
    }
    return icon;
}

// Area average of the painted pixels whose centres fall in each output
// pixel, weighted by coverage so that the ground does not darken the rim.
static std::vector<png_byte> Shrink(const Rgba& icon, int size)
{
    std::vector<double> sum(size * size * 4, 0.0);
    std::vector<int> count(size * size, 0);
    for (int y = 0; y < PAINT_SIZE; y++) {
        for (int x = 0; x < PAINT_SIZE; x++) {
            int at = (y * size / PAINT_SIZE) * size + x * size / PAINT_SIZE;
            int from = y * PAINT_SIZE + x;
            double alpha = icon.a[from];
            sum[at * 4] += icon.r[from] * alpha;
            sum[at * 4 + 1] += icon.g[from] * alpha;
            sum[at * 4 + 2] += icon.b[from] * alpha;
            sum[at * 4 + 3] += alpha;
            count[at]++;
        }
    }
    std::vector<png_byte> rgba(size * size * 4);
    for (int i = 0; i < size * size; i++) {
        double alpha = sum[i * 4 + 3];
        for (int c = 0; c < 3; c++) {
            rgba[i * 4 + c] = alpha > 0 ? (png_byte)(sum[i * 4 + c] / alpha + 0.5) : 0;
        }
        rgba[i * 4 + 3] = (png_byte)(alpha / count[i] + 0.5);
    }
    return rgba;
}

static bool WritePng(const std::string& path, const std::vector<png_byte>& rgba, int size)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = size;
    image.height = size;
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), size * 4, NULL) != 0;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mkicon <outdir> SIZE...\n");
        return 2;
    }
    Assets assets;
    std::string error;
    if (!LoadAssets(DefaultAssetDir(), &assets, &error)) {
        std::fprintf(stderr, "mkicon: %s\n", error.c_str());
        return 1;
    }
    Rgba icon = PaintIcon(assets);
    for (int i = 2; i < argc; i++) {
        int size = std::atoi(argv[i]);
        std::string path = std::string(argv[1]) + "/frogpond-" + argv[i] + ".png";
        if (size < 1 || size > PAINT_SIZE || !WritePng(path, Shrink(icon, size), size)) {
            std::fprintf(stderr, "mkicon: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
