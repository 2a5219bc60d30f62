// The colour tables of BACKIMG and PROLOG: the game palette's sixteen ramps
// in an order of their own.
#include "own_tables.h"

#include "inks.h"

static const int32_t RAMPS = 16;
static const int32_t SHADES = 16;
// The sixteenth block of the game palette: pure colours and white.
static const int32_t BRIGHTS = 240;

// Game ramps by where each picture's table puts them.
static const int32_t BACKIMG_ORDER[RAMPS] = {RAMP_ICE,   RAMP_METAL, RAMP_SKY,   RAMP_TEAL,  RAMP_GREY, RAMP_STONE,
                                             RAMP_WATER, RAMP_LEAF,  RAMP_FROG,  RAMP_WOOD,  RAMP_EARTH, RAMP_GOLD,
                                             RAMP_RED,   RAMP_PEACH, RAMP_PURPLE, BRIGHTS};
static const int32_t PROLOG_ORDER[RAMPS] = {RAMP_SKY,  RAMP_LEAF,  RAMP_FROG,  RAMP_WOOD,  RAMP_EARTH, RAMP_RED,
                                            RAMP_PEACH, RAMP_WATER, RAMP_GOLD, RAMP_STONE, RAMP_METAL, RAMP_PURPLE,
                                            RAMP_ICE,  RAMP_TEAL,  RAMP_GREY, BRIGHTS};

void ToOwnTable(Image8& image, AtlasPicture picture)
{
    const int32_t* order = picture == PICTURE_BACKIMG ? BACKIMG_ORDER : picture == PICTURE_PROLOG ? PROLOG_ORDER : nullptr;
    if (order == nullptr) {
        return;
    }
    Palette own;
    uint8_t renumber[256];
    for (int32_t slot = 0; slot < RAMPS; ++slot) {
        for (int32_t shade = 0; shade < SHADES; ++shade) {
            int32_t from = order[slot] + shade;
            own[slot * SHADES + shade] = image.palette[from];
            renumber[from] = static_cast<uint8_t>(slot * SHADES + shade);
        }
    }
    for (uint8_t& pixel : image.pixels) {
        pixel = renumber[pixel];
    }
    image.palette = own;
}
