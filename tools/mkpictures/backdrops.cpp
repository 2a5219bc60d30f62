// The two opaque pictures, BACKIMG and PROLOG: smooth gradients in colour
// tables of their own, which the game maps to its palette when loading.
// Index 0 of each table is its darkest colour and 255 its lightest, which the
// lettering uses.
#include "backdrops.h"

#include "labels.h"

static Rgb Mix(const Rgb& a, const Rgb& b, int32_t t, int32_t span)
{
    Rgb c = {static_cast<uint8_t>(a.r + (b.r - a.r) * t / span), static_cast<uint8_t>(a.g + (b.g - a.g) * t / span),
             static_cast<uint8_t>(a.b + (b.b - a.b) * t / span)};
    return c;
}

// Index 0 to 127 runs from low to middle, 128 to 255 from middle to high.
static Palette Gradient(const Rgb& low, const Rgb& middle, const Rgb& high)
{
    Palette palette;
    for (int32_t i = 0; i < 128; ++i) {
        palette[i] = Mix(low, middle, i, 127);
        palette[128 + i] = Mix(middle, high, i, 127);
    }
    return palette;
}

Palette BackImgPalette()
{
    return Gradient({10, 20, 58}, {66, 118, 190}, {226, 240, 252});
}

Palette PrologPalette()
{
    return Gradient({26, 8, 34}, {176, 72, 64}, {252, 224, 156});
}

static const uint8_t DARKEST = 0;
static const uint8_t LIGHTEST = 255;

void DrawBackImg(Canvas& canvas, AtlasId id, const EntryStyle&)
{
    Image8& image = canvas.image;
    AtlasBox whole = AtlasMember(id, 0, 0);
    for (int32_t y = whole.top; y < whole.bottom; ++y) {
        uint8_t shade = static_cast<uint8_t>(220 - y * 160 / whole.bottom);
        FillBox(image, {whole.left, y, whole.right, y + 1}, shade);
    }
    for (int32_t x = 20; x <= 620; x += 24) {
        for (int32_t y = 12; y < 468; ++y) {
            PutPixel(image, x, y, static_cast<uint8_t>(PixelAt(image, x, y) + 24));
        }
    }
    for (int32_t y = 12; y <= 468; y += 24) {
        for (int32_t x = 20; x < 620; ++x) {
            PutPixel(image, x, y, static_cast<uint8_t>(PixelAt(image, x, y) + 24));
        }
    }
    OutlineBox(image, whole, DARKEST);
    LetterCentred(canvas, {whole.left + 4, whole.top + 4, whole.right + 4, whole.bottom + 4}, "BACKIMG", 10, DARKEST);
    LetterCentred(canvas, whole, "BACKIMG", 10, LIGHTEST);
}

static void DrawPrologCell(Canvas& canvas, const AtlasBox& cell, int32_t page)
{
    Image8& image = canvas.image;
    int32_t span = (cell.right - cell.left) + (cell.bottom - cell.top);
    for (int32_t y = cell.top; y < cell.bottom; ++y) {
        for (int32_t x = cell.left; x < cell.right; ++x) {
            int32_t along = (x - cell.left) + (y - cell.top);
            PutPixel(image, x, y, static_cast<uint8_t>(16 + page * 24 + along * 96 / span));
        }
    }
    OutlineBox(image, cell, LIGHTEST);
    OutlineBox(image, InsetBox(cell, 1), DARKEST);
    bool spare = page == 5;
    AtlasBox heading = {cell.left, cell.top + 10, cell.right, cell.top + 40};
    LetterCentred(canvas, heading, spare ? "SPARE CELL" : "PROLOG PAGE", 3, LIGHTEST);
    LetterCentred(canvas, InsetBox(cell, 30), std::to_string(page), 12, LIGHTEST);
    AtlasBox footer = {cell.left, cell.bottom - 30, cell.right, cell.bottom - 8};
    LetterCentred(canvas, footer, "320 X 240", 2, LIGHTEST);
}

void DrawPrologPages(Canvas& canvas, AtlasId id, const EntryStyle&)
{
    for (int32_t page = 0; page < g_atlas[id].count; ++page) {
        DrawPrologCell(canvas, AtlasMember(id, page, 0), page);
    }
}
