// Lettering: text placed at a point, centred in a box, or fitted into a box
// at the largest size that holds it.
#ifndef MKPICTURES_LABELS_H
#define MKPICTURES_LABELS_H

#include <stdint.h>
#include <string>

#include "canvas.h"

// Large font at the given scale, top-left corner at (x, y).
void Letter(Canvas& canvas, int32_t x, int32_t y, const std::string& text, int32_t scale, uint8_t ink);

// Large font at the given scale, centred in the box.
void LetterCentred(Canvas& canvas, const AtlasBox& box, const std::string& text, int32_t scale, uint8_t ink);

// Fits text inside the box, clear of its outline (and a pixel more where
// the box has room): the large font from
// maxScale down to 1, breaking lines at spaces, then the small font, then the
// small font with words too wide for the box cut at its edge, and at last a
// single cut line.
void FitLabel(Canvas& canvas, const AtlasBox& box, const std::string& text, uint8_t ink, int32_t maxScale);

#endif
