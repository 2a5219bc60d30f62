// What every picture is drawn with: the sources read from assets/ and the
// picture being drawn, with a count of characters no font could draw.
#ifndef MKPICTURES_CANVAS_H
#define MKPICTURES_CANVAS_H

#include <stdint.h>
#include <string>

#include "image8.h"
#include "pixel_font.h"
#include "sprite_source.h"

struct Assets {
    Palette game;       // the game palette, also CHARA's colour table
    PixelFont large;    // 5 x 7
    PixelFont small;    // 3 x 5
    std::vector<Sprite> sprites;    // hand-drawn pictures over the placeholders
};

// The asset folder of the source tree this tool was built from.
const char* DefaultAssetDir();
bool LoadAssets(const std::string& dir, Assets* assets, std::string* error);

struct Canvas {
    Image8 image;
    const Assets* assets;
    int32_t missingGlyphs;
};

#endif
