// The game's bold lettering: the glyphs of a pixel font set in blocks,
// spaced by their own width, rounded, shaded from top to bottom in one ramp,
// lit along their top edges, outlined and given a drop shadow.
#ifndef MKPICTURES_LETTERING_H
#define MKPICTURES_LETTERING_H

#include <stdint.h>
#include <string>

#include "inks.h"
#include "mask.h"
#include "pixel_font.h"

// How large the type is set: one glyph cell becomes a block of blockW x
// blockH pixels, the strokes are made weight pixels fatter on every side,
// glyphs stand gap pixels apart and corners round to round.
struct TypeSize {
    int32_t blockW;
    int32_t blockH;
    int32_t gap;
    int32_t round;
    int32_t weight;
};

// How it is painted: the fill runs from shade top to shade bottom of the
// ramp; shine lights the top edge (0: none); the outline and the shadow
// below and to the right of it are plain colours (width or drop 0: none).
struct LetterStyle {
    InkRamp ramp;
    int32_t top;
    int32_t bottom;
    int32_t shine;
    uint8_t outline;
    int32_t outlineWidth;
    uint8_t shadow;
    int32_t shadowDrop;
};

// Size of the fill of a text, without outline and shadow.
int32_t TypeWidth(const PixelFont& font, const std::string& text, const TypeSize& size);
int32_t TypeHeight(const PixelFont& font, const TypeSize& size);

// The fill of a text whose first block's top-left corner is (x, y). Adds the
// characters the font has no glyph for to *missing.
Mask TypeMask(const PixelFont& font, const std::string& text, int32_t x, int32_t y, const TypeSize& size,
              int32_t* missing);

// Shadow, outline, then the shaded fill.
void PaintLettering(Image8& image, const Mask& fill, const LetterStyle& style);

#endif
