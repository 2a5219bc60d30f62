// STRINGS words in large type: the five CLEAR letters, one colour each, the
// RANK IN arrow and OUT OF RANKING on the result board's colour, and the
// title logo with a frog peeping over the O.
#include "word_art.h"

#include "art_styles.h"
#include "paint.h"

static const TypeSize TYPE_CLEAR = {13, 12, 0, 3, 4};
static const InkRamp CLEAR_RAMPS[5] = {RAMP_EARTH, RAMP_GOLD, RAMP_FROG, RAMP_SKY, RAMP_PURPLE};

void DrawClearLetters(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    const PixelFont& font = canvas.assets->large;
    for (int32_t n = 0; n < g_atlas[id].count; ++n) {
        AtlasBox cell = AtlasMember(id, n, 0);
        std::string letter = WordAt(style.words, n);
        int32_t x = cell.left + (cell.right - cell.left - TypeWidth(font, letter, TYPE_CLEAR)) / 2 - 2;
        LetterStyle look = {CLEAR_RAMPS[n], 15, 8, 0, INK_DEEP, 3, INK_BLACK, 4};
        SetText(canvas, x, cell.top + 5, letter, TYPE_CLEAR, look);
    }
}

// An arrow along the bottom of the box, pointing right at the gap between
// two rows of best times where the new time goes in.
static void DrawArrow(Image8& image, const AtlasBox& box)
{
    double mid = box.bottom - 11.5;
    double tip = box.right - 6;
    Mask arrow = MakeMask(box);
    MaskPolygon(arrow,
                {{box.left + 12.0, mid - 3}, {tip - 16, mid - 3}, {tip - 16, mid - 8}, {tip, mid}, {tip - 16, mid + 8},
                 {tip - 16, mid + 3}, {box.left + 12.0, mid + 3}},
                true);
    PaintMask(image, Rim(arrow, 2), INK_DEEP);
    PaintGradient(image, arrow, RAMP_EARTH, 15, 9, 0, 15);
}

void DrawRankIn(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox box = AtlasMember(id, 0, 0);
    FillBox(canvas.image, box, INK_SCORE_BOARD);
    AtlasBox words = {box.left, box.top + 2, box.right, box.top + 34};
    SetTextCentred(canvas, words, WordAt(style.words, 0), TYPE_MENU, STYLE_GOLD_RAISED);
    DrawArrow(canvas.image, box);
}

void DrawOutOfRanking(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox box = AtlasMember(id, 0, 0);
    FillBox(canvas.image, box, INK_SCORE_BOARD);
    static const LetterStyle quiet = {RAMP_ICE, 13, 6, 0, INK_DEEP, 1, 0, 0};
    for (int32_t line = 0; line < 2; ++line) {
        AtlasBox row = {box.left, box.top + 4 + 27 * line, box.right, box.top + 29 + 27 * line};
        SetTextCentred(canvas, row, WordAt(style.words, line), TYPE_MENU, quiet);
    }
}

static const TypeSize TYPE_LOGO = {14, 11, 6, 3, 3};

// Two eyes on top of the letter whose fill starts at x: green lids, white
// eyes looking up and to the right.
static void DrawFrogEyes(Image8& image, int32_t x, int32_t top)
{
    for (int32_t side = 0; side < 2; ++side) {
        double cx = x + 14 + side * 42;
        Mask lid = MakeMask({x - 20, top - 30, x + 100, top + 20});
        MaskEllipse(lid, cx, top + 2, 13, 12, true);
        PaintMask(image, Rim(lid, 3), INK_DEEP);
        PaintGradient(image, lid, RAMP_FROG, 15, 11, 0, 15);
        Mask eye = MakeMask(lid.box);
        MaskEllipse(eye, cx, top + 1, 8, 8, true);
        PaintMask(image, Rim(eye, 1), INK_DEEP);
        PaintMask(image, eye, INK_WHITE);
        Mask pupil = MakeMask(lid.box);
        MaskEllipse(pupil, cx + 2, top - 1, 4, 4.5, true);
        PaintMask(image, pupil, INK_BLACK);
        PutPixel(image, static_cast<int32_t>(cx) + 3, top - 3, INK_WHITE);
    }
}

void DrawTitleLogo(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox box = AtlasMember(id, 0, 0);
    const PixelFont& font = canvas.assets->large;
    std::string first = WordAt(style.words, 0);
    std::string second = WordAt(style.words, 1);
    int32_t firstX = box.left + 16;
    int32_t firstY = box.top + 16;
    int32_t secondX = box.right - 12 - TypeWidth(font, second, TYPE_LOGO) - 8;
    int32_t secondY = box.top + 104;
    LetterStyle green = {RAMP_FROG, 15, 6, 0, INK_DEEP, 3, INK_BLACK, 5};
    LetterStyle blue = {RAMP_SKY, 15, 3, 0, INK_DEEP, 3, INK_BLACK, 5};
    SetText(canvas, firstX, firstY, first, TYPE_LOGO, green);
    SetText(canvas, secondX, secondY, second, TYPE_LOGO, blue);
    int32_t oLeft = firstX + TypeWidth(font, first.substr(0, 2), TYPE_LOGO) + TYPE_LOGO.gap;
    DrawFrogEyes(canvas.image, oLeft, firstY);
}
