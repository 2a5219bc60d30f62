// The type sizes and letter styles the pictures share, so that every screen
// letters its words alike: gold with a dark brown outline, like the digits.
#ifndef MKPICTURES_ART_STYLES_H
#define MKPICTURES_ART_STYLES_H

#include "canvas.h"
#include "lettering.h"

static const uint8_t INK_OUTLINE = RAMP_WOOD + 1;
static const uint8_t INK_DEEP = RAMP_WOOD + 0;
// The result board, which RANK IN and OUT OF RANKING are drawn on unkeyed.
static const uint8_t INK_SCORE_BOARD = RAMP_TEAL + 2;

// Menu entries, 23 pixels high; headings, 28; small notes, 7.
static const TypeSize TYPE_MENU = {3, 3, 3, 1, 1};
static const TypeSize TYPE_HEADING = {4, 4, 4, 1, 0};
static const TypeSize TYPE_NOTE = {1, 1, 1, 0, 0};

static const LetterStyle STYLE_GOLD = {RAMP_GOLD, 15, 9, 0, INK_OUTLINE, 1, 0, 0};
static const LetterStyle STYLE_GOLD_RAISED = {RAMP_GOLD, 15, 9, 0, INK_OUTLINE, 2, INK_DEEP, 2};

// Sets the text in the large font with its fill's top-left corner at (x, y)
// and paints it; characters without a glyph count as missing.
void SetText(Canvas& canvas, int32_t x, int32_t y, const std::string& text, const TypeSize& size,
             const LetterStyle& style);
// The same, centred in the box.
void SetTextCentred(Canvas& canvas, const AtlasBox& box, const std::string& text, const TypeSize& size,
                    const LetterStyle& style);

#endif
