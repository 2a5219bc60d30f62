// BACKIMG: the calm backdrop behind the board, seen wherever a cell holds
// neither wall nor water: a forest at dusk in quiet teals, shafts of light
// falling through it, far and near trunks under a canopy, bushes along the
// ground, all in the dark half of one ramp so that tiles, items, the water
// and the frog stand out against it.
#include "backimg_art.h"

#include "paint.h"
#include "scene_parts.h"

static const AtlasBox SCREEN = {0, 0, 640, 480};

static const double MIST_TOP = 8.2;
static const double MIST_BOTTOM = 4.8;

static void PaintMist(Image8& image)
{
    Mask sky = MakeMask(SCREEN);
    MaskBox(sky, SCREEN, true);
    PaintGradient(image, sky, RAMP_TEAL, MIST_TOP, MIST_BOTTOM, 0, 15);
}

// Slanting shafts of light, a shade brighter than the mist they cross.
static void PaintShafts(Image8& image)
{
    static const double shafts[][2] = {{90, 40}, {300, 26}, {470, 54}};
    for (const auto& shaft : shafts) {
        Mask light = MakeMask(SCREEN);
        double x = shaft[0];
        double width = shaft[1];
        MaskPolygon(light, {{x, 0.0}, {x + width, 0.0}, {x + width * 2 + 160, 480.0}, {x + 160, 480.0}}, true);
        PaintGradient(image, light, RAMP_TEAL, MIST_TOP + 0.9, MIST_BOTTOM + 0.6, 0, 15);
    }
}

// Trunks from the top edge to the bottom, tapering upwards.
static void PaintTrunks(Image8& image, int32_t count, int32_t thick, double light, double dark, int32_t seed)
{
    int32_t spacing = 640 / count;
    for (int32_t i = 0; i < count; ++i) {
        double x = spacing / 2 + i * spacing + Noise(i, 0, seed) % (spacing / 2) - spacing / 4;
        double width = thick * (0.7 + Noise(i, 1, seed) / 255.0 * 0.6);
        Mask trunk = MakeMask(SCREEN);
        MaskPolygon(trunk, {{x - width * 0.4, 0.0}, {x + width * 0.4, 0.0}, {x + width * 0.6, 480.0},
                            {x - width * 0.6, 480.0}}, true);
        PaintLit(image, trunk, RAMP_TEAL, light, dark);
    }
}

void DrawBackImg(Canvas& canvas, AtlasId, const EntryStyle&)
{
    Image8& image = canvas.image;
    PaintMist(image);
    PaintShafts(image);
    PaintTrunks(image, 11, 7, 6.8, 5.8, 41);
    PaintTreeLine(image, {0, 0, 640, 80}, 30, RAMP_TEAL, 6.2, 6.8, true, 43);
    PaintTreeLine(image, {0, 372, 640, 480}, 30, RAMP_TEAL, 6.2, 5.4, false, 44);
    PaintTrunks(image, 4, 20, 5.6, 4.6, 42);
    PaintTreeLine(image, {0, 0, 640, 44}, 46, RAMP_TEAL, 4.8, 5.4, true, 45);
    PaintTreeLine(image, {0, 424, 640, 480}, 44, RAMP_TEAL, 5.0, 4.0, false, 46);
}
