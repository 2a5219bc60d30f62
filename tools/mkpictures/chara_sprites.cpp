// CHARA placeholders of liquid, streams and items.
#include "chara_sprites.h"

#include "chara_tiles.h"
#include "inks.h"
#include "labels.h"
#include "placeholders.h"

// Water bands of each stream within its 24 x 24 cell: the tap and the
// downward mouth fall straight; a side mouth pours out of the neighbour's
// bore and falls along the side it comes from.
struct StreamShape {
    AtlasId id;
    AtlasBox bands[2];
};

static const StreamShape g_streamShapes[] = {
    {ATLAS_TAP_STREAM, {{10, 0, 14, 24}, {0, 0, 0, 0}}},
    {ATLAS_MOUTH_STREAM_LEFT, {{14, 9, 24, 15}, {14, 9, 19, 24}}},
    {ATLAS_MOUTH_STREAM_RIGHT, {{0, 9, 10, 15}, {5, 9, 10, 24}}},
    {ATLAS_MOUTH_STREAM_DOWN, {{8, 0, 16, 24}, {0, 0, 0, 0}}},
};

void DrawLiquid(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox box = AtlasMember(id, 0, 0);
    FillBox(canvas.image, box, style.fill);
    if (style.words != nullptr) {
        FitLabel(canvas, box, style.words, style.ink, 0);
    }
}

void DrawSurfaceStrip(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    for (int32_t phase = 0; phase < g_atlas[id].frames; ++phase) {
        AtlasBox box = AtlasMember(id, 0, phase);
        FillBox(canvas.image, {box.left, box.top + 1, box.right, box.bottom}, style.fill);
        for (int32_t x = box.left; x < box.right; ++x) {
            if (((x - box.left) / 3 + phase) % 2 == 0) {
                PutPixel(canvas.image, x, box.top, style.ink);
                PutPixel(canvas.image, x, box.top + 1, style.ink);
            }
        }
    }
}

static void DrawBand(Image8& image, const AtlasBox& cell, const AtlasBox& band, int32_t phase,
                     const EntryStyle& style)
{
    for (int32_t y = band.top; y < band.bottom; ++y) {
        uint8_t ink = ((y / 3 + phase) % 2 == 0) ? style.fill : style.ink;
        FillBox(image, {cell.left + band.left, cell.top + y, cell.left + band.right, cell.top + y + 1}, ink);
    }
}

void DrawStream(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    for (const StreamShape& shape : g_streamShapes) {
        if (shape.id != id) {
            continue;
        }
        for (int32_t phase = 0; phase < g_atlas[id].frames; ++phase) {
            AtlasBox cell = AtlasMember(id, 0, phase);
            for (const AtlasBox& band : shape.bands) {
                DrawBand(canvas.image, cell, band, phase, style);
            }
        }
    }
}

void DrawItems(Canvas& canvas, AtlasId id, const EntryStyle&)
{
    const AtlasEntry& entry = g_atlas[id];
    for (int32_t n = 0; n < entry.count; ++n) {
        uint8_t fill = ItemFill(n + 1);
        for (int32_t row = 0; row < entry.frames; ++row) {
            AtlasBox box = AtlasMember(id, n, row);
            FillBox(canvas.image, box, fill);
            OutlineBox(canvas.image, box, DarkerInk(fill));
            FitLabel(canvas, box, std::string(ItemTag(n + 1)) + " " + std::to_string(row), ContrastInk(fill), 0);
        }
    }
}
