// Lettering: text placed at a point, centred in a box, or fitted into a box
// at the largest size that holds it.
#include "labels.h"

#include <sstream>
#include <vector>

static const AtlasBox NO_CLIP = {-100000, -100000, 100000, 100000};

void Letter(Canvas& canvas, int32_t x, int32_t y, const std::string& text, int32_t scale, uint8_t ink)
{
    canvas.missingGlyphs += DrawText(canvas.image, canvas.assets->large, x, y, text, scale, ink, NO_CLIP);
}

void LetterCentred(Canvas& canvas, const AtlasBox& box, const std::string& text, int32_t scale, uint8_t ink)
{
    const PixelFont& font = canvas.assets->large;
    int32_t x = box.left + (box.right - box.left - TextWidth(font, text, scale)) / 2;
    int32_t y = box.top + (box.bottom - box.top - TextHeight(font, scale)) / 2;
    Letter(canvas, x, y, text, scale, ink);
}

// Greedy line breaking at spaces; false when a single word is too wide,
// unless such words may stand on a line of their own and be cut.
static bool BreakLines(const PixelFont& font, const std::string& text, int32_t scale, int32_t width,
                       bool cutWords, std::vector<std::string>* lines)
{
    std::istringstream words(text);
    std::string word;
    lines->clear();
    while (words >> word) {
        if (TextWidth(font, word, scale) > width && !cutWords) {
            return false;
        }
        std::string joined = lines->empty() ? word : lines->back() + " " + word;
        if (!lines->empty() && TextWidth(font, joined, scale) <= width) {
            lines->back() = joined;
        } else {
            lines->push_back(word);
        }
    }
    return true;
}

static void DrawLines(Canvas& canvas, const PixelFont& font, const AtlasBox& area,
                      const std::vector<std::string>& lines, int32_t scale, uint8_t ink)
{
    int32_t lineHeight = TextHeight(font, scale) + scale;
    int32_t total = static_cast<int32_t>(lines.size()) * lineHeight - scale;
    int32_t y = area.top + (area.bottom - area.top - total) / 2;
    for (size_t i = 0; i < lines.size(); ++i) {
        int32_t x = area.left + (area.right - area.left - TextWidth(font, lines[i], scale)) / 2;
        x = x < area.left ? area.left : x;
        canvas.missingGlyphs += DrawText(canvas.image, font, x, y, lines[i], scale, ink, area);
        y += lineHeight;
    }
}

static bool TryFit(Canvas& canvas, const PixelFont& font, const AtlasBox& area, const std::string& text,
                   int32_t scale, bool cutWords, uint8_t ink)
{
    std::vector<std::string> lines;
    int32_t width = area.right - area.left;
    int32_t height = area.bottom - area.top;
    if (!BreakLines(font, text, scale, width, cutWords, &lines)) {
        return false;
    }
    int32_t total = static_cast<int32_t>(lines.size()) * (TextHeight(font, scale) + scale) - scale;
    if (total > height) {
        return false;
    }
    DrawLines(canvas, font, area, lines, scale, ink);
    return true;
}

void FitLabel(Canvas& canvas, const AtlasBox& box, const std::string& text, uint8_t ink, int32_t maxScale)
{
    bool roomy = box.right - box.left >= 12 && box.bottom - box.top >= 12;
    AtlasBox area = InsetBox(box, roomy ? 2 : 1);
    for (int32_t scale = maxScale; scale >= 1; --scale) {
        if (TryFit(canvas, canvas.assets->large, area, text, scale, false, ink)) {
            return;
        }
    }
    if (TryFit(canvas, canvas.assets->small, area, text, 1, false, ink) ||
        TryFit(canvas, canvas.assets->small, area, text, 1, true, ink)) {
        return;
    }
    canvas.missingGlyphs += DrawText(canvas.image, canvas.assets->small, area.left, area.top, text, 1, ink, area);
}
