// The prolog's town of animals in the forest, one street in four moods:
// sunny, in the storm (dark sky, bent trees, rain and lightning), under the
// flood (grey sky, water up to the windows, a crate and a barrel afloat)
// and dried out under a rainbow.
#include "prolog_town.h"

#include <cmath>

#include "art_styles.h"
#include "paint.h"
#include "scene_parts.h"

static const int32_t GROUND = 176;

struct MoodLook {
    InkRamp sky;
    double skyTop;
    double skyBottom;
    double meadowTop;
    double meadowBottom;
    TreeLook trees;
    InkRamp walls;
    bool lit;
};

static const MoodLook g_moods[4] = {
    {RAMP_SKY, 8.5, 14.5, 10, 7, {RAMP_LEAF, 13, 6, Ink(RAMP_LEAF, 0), 0}, RAMP_PEACH, false},
    {RAMP_METAL, 2.5, 6.5, 5, 2, {RAMP_LEAF, 8, 2, Ink(RAMP_LEAF, 0), 0.22}, RAMP_STONE, true},
    {RAMP_METAL, 7, 11, 6, 4, {RAMP_LEAF, 10, 4, Ink(RAMP_LEAF, 0), 0}, RAMP_STONE, false},
    {RAMP_SKY, 10, 15, 11, 8, {RAMP_LEAF, 14, 7, Ink(RAMP_LEAF, 0), 0}, RAMP_PEACH, false},
};

struct HousePlace {
    int32_t x;
    int32_t width;
    int32_t height;
    InkRamp roof;
};

static const HousePlace g_houses[] = {
    {44, 52, 54, RAMP_RED}, {114, 42, 62, RAMP_PURPLE}, {174, 58, 48, RAMP_EARTH}, {250, 40, 58, RAMP_RED}};

static void PaintSkyBand(Image8& image, const AtlasBox& cell, const MoodLook& look)
{
    Mask sky = MakeMask(cell);
    MaskBox(sky, {cell.left, cell.top, cell.right, cell.top + GROUND}, true);
    PaintGradient(image, sky, look.sky, look.skyTop, look.skyBottom, 0, 15);
}

static void PaintSunAndClouds(Image8& image, const AtlasBox& cell, bool bright)
{
    Mask sun = MakeMask(cell);
    MaskEllipse(sun, cell.left + 270, cell.top + 36, 20, 20, true);
    PaintMask(image, Rim(sun, 4), Ink(RAMP_GOLD, bright ? 15 : 14));
    PaintLit(image, sun, RAMP_GOLD, 15, 14);
    PaintCloud(image, cell, cell.left + 70, cell.top + 46, 80, RAMP_ICE, 15, 10);
    PaintCloud(image, cell, cell.left + 200, cell.top + 70, 60, RAMP_ICE, 15, 11);
}

static void PaintStormClouds(Image8& image, const AtlasBox& cell, double light, double dark)
{
    for (int32_t i = 0; i < 5; ++i) {
        PaintCloud(image, cell, cell.left + 20 + i * 72, cell.top + 30 + (i % 2) * 22, 110, RAMP_METAL,
                   static_cast<int32_t>(light), static_cast<int32_t>(dark));
    }
}

static void PaintLightning(Image8& image, const AtlasBox& cell)
{
    double x = cell.left + 222;
    double y = cell.top + 48;
    Mask bolt = MakeMask(cell);
    MaskPolygon(bolt, {{x, y}, {x + 14, y}, {x + 6, y + 30}, {x + 18, y + 30}, {x - 8, y + 84}, {x + 1, y + 42},
                       {x - 10, y + 42}}, true);
    PaintMask(image, Rim(bolt, 2), Ink(RAMP_GOLD, 12));
    PaintMask(image, bolt, INK_WHITE);
}

static void PaintRain(Image8& image, const AtlasBox& cell, int32_t count, int32_t length, uint8_t ink, int32_t seed)
{
    for (int32_t i = 0; i < count; ++i) {
        double x = cell.left + Noise(i, 0, seed) * (cell.right - cell.left + 60) / 255.0 - 30;
        double y = cell.top + Noise(i, 1, seed) * (cell.bottom - cell.top) / 255.0;
        Mask drop = MakeMask(cell);
        MaskLine(drop, {x, y}, {x - length * 0.35, y + length}, 1, true);
        PaintMask(image, drop, ink);
    }
}

static void PaintStreet(Image8& image, const AtlasBox& cell, const MoodLook& look)
{
    PaintTreeLine(image, {cell.left, cell.top + 112, cell.right, cell.top + GROUND}, 18, RAMP_LEAF,
                  look.trees.dark + 2, look.trees.dark, false, 3);
    TreeLook back = look.trees;
    PaintTree(image, cell, cell.left + 166, cell.top + GROUND - 30, 80, back, 5);
    Mask meadow = MakeMask(cell);
    MaskBox(meadow, {cell.left, cell.top + GROUND - 4, cell.right, cell.bottom}, true);
    PaintGradient(image, meadow, RAMP_LEAF, look.meadowTop, look.meadowBottom, 0, 14);
    Mask path = MakeMask(cell);
    MaskPolygon(path, {{cell.left + 150.0, cell.top + GROUND + 2.0}, {cell.left + 178.0, cell.top + GROUND + 2.0},
                       {cell.left + 220.0, cell.bottom + 0.0}, {cell.left + 110.0, cell.bottom + 0.0}}, true);
    PaintGradient(image, path, RAMP_PEACH, look.meadowTop + 2, look.meadowBottom + 3, 0, 15);
    for (const HousePlace& h : g_houses) {
        HouseLook house = {look.walls, h.roof, look.lit};
        PaintHouse(image, cell, cell.left + h.x, cell.top + GROUND, h.width, h.height, house);
    }
    PaintTree(image, cell, cell.left + 16, cell.top + GROUND + 10, 150, look.trees, 6);
    PaintTree(image, cell, cell.left + 310, cell.top + GROUND + 14, 140, look.trees, 7);
}

static void PaintFloat(Image8& image, const AtlasBox& cell, double x, double y)
{
    Mask crate = MakeMask(cell);
    MaskPolygon(crate, {{x, y}, {x + 20, y - 4}, {x + 23, y + 12}, {x + 3, y + 16}}, true);
    PaintOutlined(image, crate, RAMP_WOOD, 11, 6, INK_DEEP);
    Mask slat = MakeMask(cell);
    MaskLine(slat, {x + 2, y + 2}, {x + 21, y + 10}, 2, true);
    PaintMask(image, slat, Ink(RAMP_WOOD, 6));
    Mask barrel = MakeMask(cell);
    MaskEllipse(barrel, x + 60, y + 8, 12, 8, true);
    PaintOutlined(image, barrel, RAMP_EARTH, 10, 5, INK_DEEP);
    FillBox(image, {static_cast<int32_t>(x) + 55, static_cast<int32_t>(y), static_cast<int32_t>(x) + 57,
                    static_cast<int32_t>(y) + 16}, Ink(RAMP_METAL, 5));
}

static void PaintRainbow(Image8& image, const AtlasBox& cell)
{
    static const uint8_t bands[6] = {RAMP_RED + 11, RAMP_EARTH + 13, RAMP_GOLD + 14, RAMP_FROG + 12, RAMP_SKY + 9,
                                     RAMP_PURPLE + 10};
    double cx = cell.left + 170;
    double cy = cell.top + 170;
    for (int32_t i = 0; i < 6; ++i) {
        Mask arc = MakeMask({cell.left, cell.top, cell.right, cell.top + 150});
        MaskEllipse(arc, cx, cy, 150 - i * 6, 130 - i * 6, true);
        MaskEllipse(arc, cx, cy, 144 - i * 6, 124 - i * 6, false);
        PaintMask(image, arc, bands[i]);
    }
}

void PaintTown(Image8& image, const AtlasBox& cell, TownMood mood)
{
    const MoodLook& look = g_moods[mood];
    PaintSkyBand(image, cell, look);
    if (mood == TOWN_SUNNY || mood == TOWN_RAINBOW) {
        PaintSunAndClouds(image, cell, mood == TOWN_RAINBOW);
    } else {
        PaintStormClouds(image, cell, mood == TOWN_STORM ? 7 : 12, mood == TOWN_STORM ? 2 : 7);
    }
    if (mood == TOWN_RAINBOW) {
        PaintRainbow(image, cell);
    }
    if (mood == TOWN_STORM) {
        PaintLightning(image, cell);
    }
    PaintStreet(image, cell, look);
    if (mood == TOWN_FLOOD) {
        PaintWater(image, {cell.left, cell.top + 160, cell.right, cell.bottom}, RAMP_WATER, 9, 5, 13);
        PaintFloat(image, cell, cell.left + 120, cell.top + 190);
    }
    if (mood == TOWN_STORM || mood == TOWN_FLOOD) {
        PaintRain(image, cell, mood == TOWN_STORM ? 220 : 90, mood == TOWN_STORM ? 14 : 9, Ink(RAMP_ICE, 6), 19);
    }
}
