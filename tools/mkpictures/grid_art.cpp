// STRINGS stage grid: eighty numbered lily pads on pond water. The grid is
// opaque all over, as the stage select draws nothing under it. Each pad has
// its notch at the left, where the pointer's fingertip rests, and its
// number to the right of the notch.
#include "grid_art.h"

#include "art_styles.h"
#include "paint.h"

static const InkRamp WATER = RAMP_WATER;

static void DrawPad(Image8& image, const AtlasBox& cell)
{
    double cx = cell.left + 12.5;
    double cy = cell.top + 10;
    Mask pad = MakeMask(cell);
    MaskEllipse(pad, cx, cy, 11.5, 8.5, true);
    MaskPolygon(pad, {{cx - 3, cy}, {cell.left - 1.0, cy - 4}, {cell.left - 1.0, cy + 1}}, false);
    PaintMask(image, Rim(pad, 1), Ink(RAMP_LEAF, 1));
    PaintGradient(image, pad, RAMP_LEAF, 10, 6, 0, 14);
    Mask vein = MakeMask(cell);
    MaskLine(vein, {cx - 3, cy}, {cx - 8, cy + 6}, 1, true);
    PaintMask(image, vein, Ink(RAMP_LEAF, 5));
}

void DrawStageGrid(Canvas& canvas, AtlasId id, const EntryStyle&)
{
    AtlasBox grid = AtlasMember(id, 0, 0);
    Mask water = MakeMask(grid);
    MaskBox(water, grid, true);
    PaintGradient(canvas.image, water, WATER, 4.4, 2.6, 0, 15);
    for (int32_t y = grid.top + 3; y < grid.bottom; y += 5) {
        for (int32_t x = grid.left; x < grid.right; ++x) {
            if (SmoothNoise(x, y, 9, 4) > 170) {
                PutPixel(canvas.image, x, y, Ink(WATER, 6));
            }
        }
    }
    static const LetterStyle number = {RAMP_GOLD, 15, 12, 0, INK_OUTLINE, 1, 0, 0};
    const PixelFont& font = canvas.assets->large;
    for (int32_t n = 0; n < g_atlas[ATLAS_STAGE_GRID_CELL].count; ++n) {
        AtlasBox cell = AtlasMember(ATLAS_STAGE_GRID_CELL, n, 0);
        DrawPad(canvas.image, cell);
        std::string text = std::to_string(n + 1);
        int32_t x = cell.left + 17 - (TypeWidth(font, text, TYPE_NOTE) + 1) / 2;
        SetText(canvas, x, cell.top + 6, text, TYPE_NOTE, number);
    }
}
