// The type sizes and letter styles the pictures share, and setting a text
// in them.
#include "art_styles.h"

void SetText(Canvas& canvas, int32_t x, int32_t y, const std::string& text, const TypeSize& size,
             const LetterStyle& style)
{
    PaintLettering(canvas.image, TypeMask(canvas.assets->large, text, x, y, size, &canvas.missingGlyphs), style);
}

void SetTextCentred(Canvas& canvas, const AtlasBox& box, const std::string& text, const TypeSize& size,
                    const LetterStyle& style)
{
    const PixelFont& font = canvas.assets->large;
    int32_t x = box.left + (box.right - box.left - TypeWidth(font, text, size)) / 2;
    int32_t y = box.top + (box.bottom - box.top - TypeHeight(font, size)) / 2;
    SetText(canvas, x, y, text, size, style);
}
