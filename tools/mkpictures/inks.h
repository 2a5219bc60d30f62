// Named colours of the game palette (assets/palette/game.txt) that the
// placeholders are drawn in: each ramp runs from dark (shade 0) to light (15).
#ifndef MKPICTURES_INKS_H
#define MKPICTURES_INKS_H

#include <stdint.h>

enum InkRamp {
    RAMP_GREY = 0,
    RAMP_STONE = 16,
    RAMP_LEAF = 32,     // 15 shades only: 47 is the key
    RAMP_WOOD = 48,
    RAMP_EARTH = 64,
    RAMP_WATER = 80,
    RAMP_TEAL = 96,
    RAMP_METAL = 112,
    RAMP_ICE = 128,
    RAMP_RED = 144,
    RAMP_GOLD = 160,
    RAMP_FROG = 176,
    RAMP_PURPLE = 192,
    RAMP_PEACH = 208,
    RAMP_SKY = 224
};

inline uint8_t Ink(InkRamp ramp, int shade)
{
    return static_cast<uint8_t>(ramp + shade);
}

static const uint8_t INK_BLACK = 0;
static const uint8_t INK_KEY = 47;
// Entry 255 is white too, but the fades leave it lit, so no picture draws with it.
static const uint8_t INK_WHITE = 254;

#endif
