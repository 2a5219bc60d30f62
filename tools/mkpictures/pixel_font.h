// Pixel fonts read from the text glyph files in assets/font.
#ifndef MKPICTURES_PIXEL_FONT_H
#define MKPICTURES_PIXEL_FONT_H

#include <map>
#include <stdint.h>
#include <string>
#include <vector>

#include "image8.h"

struct PixelFont {
    int32_t width;
    int32_t height;
    std::map<char, std::vector<std::string> > glyphs;   // rows of '#' and '.'
};

// Returns false and says why when the file is missing or malformed.
bool LoadPixelFont(const std::string& path, PixelFont* font, std::string* error);

// Glyphs stand one scaled column apart.
int32_t TextWidth(const PixelFont& font, const std::string& text, int32_t scale);
int32_t TextHeight(const PixelFont& font, int32_t scale);

// Draws text with its top-left corner at (x, y), keeping every pixel inside
// clip. Returns the number of characters the font has no glyph for.
int32_t DrawText(Image8& image, const PixelFont& font, int32_t x, int32_t y, const std::string& text,
                 int32_t scale, uint8_t ink, const AtlasBox& clip);

#endif
