// PROLOG: the six story panels of 320 x 240, two across and three down. The
// town of animals in the forest; the storm; the flood; the frog at its pond
// getting the town's letter; the frog setting out along the path to the
// town; and, in the spare sixth cell, the town dried out under a rainbow.
// Painted in the game palette and stored with a colour table of its own.
#include "prolog_art.h"

#include "art_styles.h"
#include "frog_figure.h"
#include "paint.h"
#include "prolog_town.h"
#include "scene_parts.h"

// A letter sealed with a red dot, tilted, with lines showing it flutter down.
static void PaintLetter(Image8& image, const AtlasBox& cell, double x, double y)
{
    Mask paper = MakeMask(cell);
    MaskPolygon(paper, {{x, y + 6}, {x + 34, y}, {x + 38, y + 22}, {x + 4, y + 28}}, true);
    PaintOutlined(image, paper, RAMP_ICE, 15, 12, INK_DEEP);
    Mask flap = MakeMask(cell);
    MaskLine(flap, {x + 1, y + 7}, {x + 20, y + 17}, 1, true);
    MaskLine(flap, {x + 20, y + 17}, {x + 34, y + 1}, 1, true);
    PaintMask(image, flap, Ink(RAMP_ICE, 6));
    Mask seal = MakeMask(cell);
    MaskEllipse(seal, x + 20, y + 16, 4, 4, true);
    PaintMask(image, seal, Ink(RAMP_RED, 10));
    for (int32_t i = 0; i < 3; ++i) {
        Mask trail = MakeMask(cell);
        MaskLine(trail, {x + 40 + i * 4, y - 8 + i * 8}, {x + 54 + i * 4, y - 16 + i * 8}, 1, true);
        PaintMask(image, trail, INK_WHITE);
    }
}

// Page 3: the frog on its lily pad at sunset, a letter from the town
// fluttering down to it.
static void PaintCalled(Canvas& canvas, const AtlasBox& cell)
{
    Image8& image = canvas.image;
    Mask sky = MakeMask(cell);
    MaskBox(sky, {cell.left, cell.top, cell.right, cell.top + 130}, true);
    PaintGradient(image, sky, RAMP_PEACH, 9, 15, 0, 15);
    Mask sun = MakeMask(cell);
    MaskEllipse(sun, cell.left + 64, cell.top + 92, 28, 28, true);
    PaintLit(image, sun, RAMP_GOLD, 15, 13);
    PaintTreeLine(image, {cell.left, cell.top + 96, cell.right, cell.top + 132}, 16, RAMP_LEAF, 6, 4, false, 31);
    PaintWater(image, {cell.left, cell.top + 130, cell.right, cell.bottom}, RAMP_WATER, 11, 6, 32);
    PaintReeds(image, cell, cell.left + 8, cell.bottom, 4, 84, 1);
    PaintReeds(image, cell, cell.left + 284, cell.bottom, 4, 84, 2);
    PaintLilyPad(image, cell, cell.left + 140, cell.top + 212, 70);
    PaintFrogFront(image, cell, cell.left + 140, cell.top + 212, 104, false);
    PaintLetter(image, cell, cell.left + 222, cell.top + 42);
    static const LetterStyle alarm = {RAMP_GOLD, 15, 11, 0, INK_DEEP, 2, 0, 0};
    SetText(canvas, cell.left + 198, cell.top + 74, "!", {5, 5, 0, 1, 2}, alarm);
}

// Page 4: the frog seen from behind, bundle on its shoulder, walking the
// path through the meadow towards the forest where the town lies.
static void PaintSettingOut(Image8& image, const AtlasBox& cell)
{
    Mask sky = MakeMask(cell);
    MaskBox(sky, {cell.left, cell.top, cell.right, cell.top + 120}, true);
    PaintGradient(image, sky, RAMP_SKY, 10, 15, 0, 15);
    Mask sun = MakeMask(cell);
    MaskEllipse(sun, cell.left + 160, cell.top + 104, 26, 26, true);
    PaintMask(image, Rim(sun, 4), Ink(RAMP_GOLD, 15));
    PaintLit(image, sun, RAMP_GOLD, 15, 14);
    PaintCloud(image, cell, cell.left + 56, cell.top + 40, 70, RAMP_ICE, 15, 11);
    PaintCloud(image, cell, cell.left + 262, cell.top + 58, 56, RAMP_ICE, 15, 11);
    PaintTreeLine(image, {cell.left, cell.top + 88, cell.right, cell.top + 124}, 14, RAMP_LEAF, 8, 5, false, 41);
    Mask meadow = MakeMask(cell);
    MaskBox(meadow, {cell.left, cell.top + 120, cell.right, cell.bottom}, true);
    PaintGradient(image, meadow, RAMP_LEAF, 9, 12, 0, 14);
    Mask path = MakeMask(cell);
    MaskPolygon(path, {{cell.left + 154.0, cell.top + 121.0}, {cell.left + 166.0, cell.top + 121.0},
                       {cell.left + 250.0, cell.bottom + 0.0}, {cell.left + 70.0, cell.bottom + 0.0}}, true);
    PaintGradient(image, path, RAMP_PEACH, 11, 14, 0, 15);
    for (int32_t i = 0; i < 30; ++i) {
        double x = cell.left + 8 + Noise(i, 0, 43) % 304;
        double y = cell.top + 140 + Noise(i, 1, 43) % 90;
        if (x < cell.left + 70 || x > cell.left + 250) {
            PaintFlower(image, cell, x, y, 2 + (y - cell.top - 140) / 40, i % 2 == 0 ? RAMP_RED : RAMP_GOLD);
        }
    }
    PaintFrogBack(image, cell, cell.left + 150, cell.top + 230, 110);
}

void DrawPrologPages(Canvas& canvas, AtlasId id, const EntryStyle&)
{
    static const struct {
        TownMood mood;
        int32_t page;
    } towns[4] = {{TOWN_SUNNY, 0}, {TOWN_STORM, 1}, {TOWN_FLOOD, 2}, {TOWN_RAINBOW, 5}};
    for (const auto& town : towns) {
        PaintTown(canvas.image, AtlasMember(id, town.page, 0), town.mood);
    }
    PaintCalled(canvas, AtlasMember(id, 3, 0));
    PaintSettingOut(canvas.image, AtlasMember(id, 4, 0));
}
