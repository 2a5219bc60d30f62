// Placeholder drawings shared by every atlas: labelled boxes and separators.
#include "placeholders.h"

#include "inks.h"
#include "labels.h"

uint8_t ContrastInk(uint8_t fill)
{
    return fill % 16 >= 8 ? INK_BLACK : INK_WHITE;
}

uint8_t DarkerInk(uint8_t fill)
{
    int shade = fill % 16;
    return static_cast<uint8_t>(fill - (shade < 6 ? shade : 6));
}

void DrawNothing(Canvas&, AtlasId, const EntryStyle&)
{
}

void DrawPlainBoxes(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    const AtlasEntry& entry = g_atlas[id];
    for (int32_t n = 0; n < entry.count; ++n) {
        for (int32_t f = 0; f < entry.frames; ++f) {
            AtlasBox box = AtlasMember(id, n, f);
            FillBox(canvas.image, box, style.fill);
            OutlineBox(canvas.image, box, style.ink);
        }
    }
}

static std::string MemberText(const AtlasEntry& entry, const EntryStyle& style, int32_t n, int32_t f)
{
    std::string text = WordAt(style.words, n);
    if (text.empty()) {
        text = entry.label;
        if (entry.count > 1) {
            text += " " + std::to_string(n);
        }
    }
    if (entry.frames > 1) {
        text += " " + std::to_string(f);
    }
    return text;
}

void DrawLabelledBoxes(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    const AtlasEntry& entry = g_atlas[id];
    DrawPlainBoxes(canvas, id, style);
    for (int32_t n = 0; n < entry.count; ++n) {
        for (int32_t f = 0; f < entry.frames; ++f) {
            FitLabel(canvas, AtlasMember(id, n, f), MemberText(entry, style, n, f), style.ink, style.maxScale);
        }
    }
}

void DrawSeparator(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox box = AtlasMember(id, 0, 0);
    int32_t scale = (box.bottom - box.top) / 14;
    scale = scale < 1 ? 1 : scale;
    AtlasBox left = {box.left, box.top, box.left + (box.right - box.left) / 2, box.bottom};
    LetterCentred(canvas, left, "'", scale, style.ink);
}
