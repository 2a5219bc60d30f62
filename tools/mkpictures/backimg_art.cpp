// BACKIMG: the calm backdrop behind the board, seen wherever a cell holds
// neither wall nor water: a forest at dusk in quiet blue-greys, far and near
// trunks under a canopy, bushes along the ground, all within a few shades
// so that tiles, items and the frog stand out against it.
#include "backimg_art.h"

#include "paint.h"
#include "scene_parts.h"

static const AtlasBox SCREEN = {0, 0, 640, 480};

static void PaintMist(Image8& image)
{
    Mask sky = MakeMask(SCREEN);
    MaskBox(sky, SCREEN, true);
    PaintGradient(image, sky, RAMP_TEAL, 7.6, 5.4, 0, 15);
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
    PaintTrunks(image, 11, 7, 6.8, 6.0, 41);
    PaintTreeLine(image, {0, 0, 640, 80}, 30, RAMP_TEAL, 6.2, 6.8, true, 43);
    PaintTreeLine(image, {0, 372, 640, 480}, 30, RAMP_TEAL, 6.2, 5.4, false, 44);
    PaintTrunks(image, 4, 20, 5.6, 4.6, 42);
    PaintTreeLine(image, {0, 0, 640, 44}, 46, RAMP_TEAL, 4.8, 5.4, true, 45);
    PaintTreeLine(image, {0, 424, 640, 480}, 44, RAMP_TEAL, 5.0, 4.0, false, 46);
}
