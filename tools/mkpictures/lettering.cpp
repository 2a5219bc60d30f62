// The game's bold lettering: the glyphs of a pixel font set in blocks,
// spaced by their own width, rounded, shaded from top to bottom in one ramp,
// lit along their top edges, outlined and given a drop shadow.
#include "lettering.h"

#include <algorithm>

// The glyph's lit columns, first and one past the last; a blank glyph (the
// space) is two cells narrower than the font.
struct GlyphSpan {
    int32_t from;
    int32_t to;
};

static GlyphSpan SpanOf(const PixelFont& font, const std::vector<std::string>& rows)
{
    GlyphSpan span = {font.width, 0};
    for (const std::string& row : rows) {
        for (int32_t c = 0; c < font.width; ++c) {
            if (row[c] == '#') {
                span.from = std::min(span.from, c);
                span.to = std::max(span.to, c + 1);
            }
        }
    }
    if (span.to == 0) {
        span = {0, std::max(font.width - 2, 1)};
    }
    return span;
}

static const std::vector<std::string>* GlyphOf(const PixelFont& font, char c)
{
    std::map<char, std::vector<std::string> >::const_iterator glyph = font.glyphs.find(c);
    return glyph == font.glyphs.end() ? nullptr : &glyph->second;
}

static int32_t GlyphWidth(const GlyphSpan& span, const TypeSize& size)
{
    return (span.to - span.from) * size.blockW + 2 * size.weight;
}

int32_t TypeWidth(const PixelFont& font, const std::string& text, const TypeSize& size)
{
    int32_t width = 0;
    for (char c : text) {
        const std::vector<std::string>* rows = GlyphOf(font, c);
        if (rows != nullptr) {
            GlyphSpan span = SpanOf(font, *rows);
            width += GlyphWidth(span, size) + size.gap;
        }
    }
    return width > 0 ? width - size.gap : 0;
}

int32_t TypeHeight(const PixelFont& font, const TypeSize& size)
{
    return font.height * size.blockH + 2 * size.weight;
}

// One glyph's blocks, rounded and made fat on their own so that neighbours
// never merge.
static Mask GlyphMask(const std::vector<std::string>& rows, const GlyphSpan& span, int32_t x, int32_t y,
                      const TypeSize& size)
{
    int32_t width = (span.to - span.from) * size.blockW;
    int32_t height = static_cast<int32_t>(rows.size()) * size.blockH;
    int32_t left = x + size.weight;
    int32_t top = y + size.weight;
    Mask glyph = MakeMask(InsetBox({left, top, left + width, top + height}, -size.round));
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int32_t c = span.from; c < span.to; ++c) {
            if (rows[r][c] == '#') {
                int32_t bx = left + (c - span.from) * size.blockW;
                int32_t by = top + static_cast<int32_t>(r) * size.blockH;
                MaskBox(glyph, {bx, by, bx + size.blockW, by + size.blockH}, true);
            }
        }
    }
    Mask rounded = RoundOff(glyph, size.round);
    return size.weight > 0 ? Dilate(rounded, size.weight) : rounded;
}

Mask TypeMask(const PixelFont& font, const std::string& text, int32_t x, int32_t y, const TypeSize& size,
              int32_t* missing)
{
    int32_t width = std::max(TypeWidth(font, text, size), 1);
    Mask fill = MakeMask({x, y, x + width, y + TypeHeight(font, size)});
    int32_t at = x;
    for (char c : text) {
        const std::vector<std::string>* rows = GlyphOf(font, c);
        if (rows == nullptr) {
            ++*missing;
            continue;
        }
        GlyphSpan span = SpanOf(font, *rows);
        MaskAdd(fill, GlyphMask(*rows, span, at, y, size));
        at += GlyphWidth(span, size) + size.gap;
    }
    return fill;
}

static uint8_t FillShade(const LetterStyle& style, const AtlasBox& box, int32_t y)
{
    int32_t span = std::max(box.bottom - box.top - 1, 1);
    int32_t shade = style.top + ((style.bottom - style.top) * (y - box.top) * 2 + span) / (2 * span);
    return Ink(style.ramp, shade);
}

void PaintLettering(Image8& image, const Mask& fill, const LetterStyle& style)
{
    if (style.shadowDrop > 0) {
        PaintMask(image, Shifted(Dilate(fill, style.outlineWidth), style.shadowDrop, style.shadowDrop),
                  style.shadow);
    }
    if (style.outlineWidth > 0) {
        PaintMask(image, Rim(fill, style.outlineWidth), style.outline);
    }
    for (int32_t y = fill.box.top; y < fill.box.bottom; ++y) {
        for (int32_t x = fill.box.left; x < fill.box.right; ++x) {
            if (!MaskAt(fill, x, y)) {
                continue;
            }
            bool lit = style.shine > 0 && !MaskAt(fill, x, y - 1);
            PutPixel(image, x, y, lit ? Ink(style.ramp, style.shine) : FillShade(style, fill.box, y));
        }
    }
}
