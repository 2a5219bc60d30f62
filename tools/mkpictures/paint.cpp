// Painting helpers for the larger pictures: repeatable noise, ordered
// dithering between the shades of a ramp, and the wood grain of signs and
// frames.
#include "paint.h"

#include <algorithm>
#include <cmath>

int32_t Noise(int32_t x, int32_t y, int32_t seed)
{
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int32_t>((h ^ (h >> 16)) & 255u);
}

int32_t SmoothNoise(int32_t x, int32_t y, int32_t cell, int32_t seed)
{
    int32_t cx = static_cast<int32_t>(std::floor(static_cast<double>(x) / cell));
    int32_t cy = static_cast<int32_t>(std::floor(static_cast<double>(y) / cell));
    double fx = static_cast<double>(x - cx * cell) / cell;
    double fy = static_cast<double>(y - cy * cell) / cell;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    double top = Noise(cx, cy, seed) * (1 - fx) + Noise(cx + 1, cy, seed) * fx;
    double bottom = Noise(cx, cy + 1, seed) * (1 - fx) + Noise(cx + 1, cy + 1, seed) * fx;
    return static_cast<int32_t>(top * (1 - fy) + bottom * fy);
}

static const int32_t BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

uint8_t DitherShade(uint8_t base, double shade, int32_t x, int32_t y, int32_t low, int32_t high)
{
    int32_t whole = static_cast<int32_t>(std::floor(shade));
    double part = shade - whole;
    if (part * 16 > BAYER[y & 3][x & 3] + 0.5) {
        ++whole;
    }
    return static_cast<uint8_t>(base + std::min(std::max(whole, low), high));
}

void PaintGradient(Image8& image, const Mask& mask, uint8_t base, double from, double to, int32_t low,
                   int32_t high)
{
    double span = std::max(mask.box.bottom - mask.box.top - 1, 1);
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        double shade = from + (to - from) * (y - mask.box.top) / span;
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            if (MaskAt(mask, x, y)) {
                PutPixel(image, x, y, DitherShade(base, shade, x, y, low, high));
            }
        }
    }
}

// Shade of the plank pixel at distance `along` its length and `across` the
// planks, measured from the mask's corner.
static int32_t PlankShade(int32_t along, int32_t across, int32_t mid, int32_t plankSize, int32_t seed)
{
    int32_t plank = across / plankSize;
    int32_t row = across % plankSize;
    if (row == plankSize - 1) {
        return mid - 4;
    }
    if (row == 0) {
        return mid + 2;
    }
    double wave = std::sin((along + Noise(plank, 0, seed)) * 0.05 + row * 0.9) * 0.5 +
                  SmoothNoise(along, across * 6, 12, seed + plank) / 255.0 - 0.5;
    int32_t shade = mid + (wave > 0.45 ? 1 : wave < -0.55 ? -1 : 0);
    return shade - (Noise(along / 3, plank, seed) < 6 ? 2 : 0);
}

void PaintPlanks(Image8& image, const Mask& mask, uint8_t base, int32_t mid, int32_t plankSize, int32_t seed,
                 bool upright)
{
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            if (!MaskAt(mask, x, y)) {
                continue;
            }
            int32_t dx = x - mask.box.left;
            int32_t dy = y - mask.box.top;
            int32_t shade = upright ? PlankShade(dy, dx, mid, plankSize, seed) : PlankShade(dx, dy, mid, plankSize, seed);
            PutPixel(image, x, y, static_cast<uint8_t>(base + shade));
        }
    }
}
