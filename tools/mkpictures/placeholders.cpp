// Placeholder drawings shared by every atlas: labelled boxes, cursors, menu
// panels and the stage number grid.
#include "placeholders.h"

#include "inks.h"
#include "labels.h"

// Rows of the pause and option panels: where the cursor stands, relative to
// the panel, and the lettering's left edge.
static const int32_t PANEL_FIRST_ROW = 44;
static const int32_t PANEL_ROW_STEP = 48;
static const int32_t PANEL_ROW_HEIGHT = 35;
static const int32_t PANEL_TEXT_LEFT = 70;
static const int32_t PANEL_SCALE = 3;
static const int32_t TITLE_MENU_ROW_STEP = 34;
static const int32_t TITLE_MENU_ROW_HEIGHT = 30;

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

void DrawCursor(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox box = AtlasMember(id, 0, 0);
    box.right = box.left + (box.bottom - box.top) * 2 / 3;
    DrawRightTriangle(canvas.image, box, style.fill, style.ink);
}

void DrawMenuPanel(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox panel = AtlasMember(id, 0, 0);
    FillBox(canvas.image, panel, style.fill);
    OutlineBox(canvas.image, panel, style.ink);
    OutlineBox(canvas.image, InsetBox(panel, 3), style.ink);
    AtlasBox heading = {panel.left, panel.top + 6, panel.right, panel.top + PANEL_FIRST_ROW - 4};
    LetterCentred(canvas, heading, WordAt(style.words, 0), 2, style.ink);
    for (int32_t row = 0; row + 1 < WordCount(style.words); ++row) {
        std::string word = WordAt(style.words, row + 1);
        int32_t top = panel.top + PANEL_FIRST_ROW + PANEL_ROW_STEP * row;
        int32_t y = top + (PANEL_ROW_HEIGHT - TextHeight(canvas.assets->large, PANEL_SCALE)) / 2;
        Letter(canvas, panel.left + PANEL_TEXT_LEFT, y, word, PANEL_SCALE, style.ink);
    }
}

void DrawTitleMenu(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox menu = AtlasMember(id, 0, 0);
    FillBox(canvas.image, menu, style.fill);
    OutlineBox(canvas.image, menu, style.ink);
    for (int32_t row = 0; row < WordCount(style.words); ++row) {
        int32_t top = menu.top + TITLE_MENU_ROW_STEP * row;
        AtlasBox line = {menu.left, top, menu.right, top + TITLE_MENU_ROW_HEIGHT};
        LetterCentred(canvas, line, WordAt(style.words, row), 2, style.ink);
    }
}

void DrawNumberCells(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    const AtlasEntry& entry = g_atlas[id];
    DrawPlainBoxes(canvas, id, style);
    for (int32_t n = 0; n < entry.count; ++n) {
        FitLabel(canvas, AtlasMember(id, n, 0), std::to_string(n + 1), style.ink, style.maxScale);
    }
}
