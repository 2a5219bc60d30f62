// FRAME: a wooden frame round the board window, beams across the top and
// bottom and posts at the sides, with a vine of leaves and small flowers
// along it, clusters of leaves at the corners and a dark plate under the
// clock. The board window stays key colour so the board shows through.
#include "frame_art.h"

#include <cmath>

#include "art_styles.h"
#include "paint.h"
#include "scene_parts.h"
#include "screen_layouts.h"

static const AtlasBox SCREEN = {0, 0, 640, 480};
// Under the clock's nine characters at (490, 457), 12 pixels apart.
static const AtlasBox CLOCK_PLATE = {484, 468, 604, 480};

static void PaintWood(Image8& image)
{
    const AtlasBox& w = g_frameBoardWindow;
    Mask beams = MakeMask(SCREEN);
    MaskBox(beams, {0, 0, 640, w.top}, true);
    MaskBox(beams, {0, w.bottom, 640, 480}, true);
    PaintPlanks(image, beams, RAMP_WOOD, 9, w.top, 21, false);
    Mask posts = MakeMask(SCREEN);
    MaskBox(posts, {0, w.top, w.left, w.bottom}, true);
    MaskBox(posts, {w.right, w.top, 640, w.bottom}, true);
    PaintPlanks(image, posts, RAMP_WOOD, 8, w.left, 22, true);
    OutlineBox(image, SCREEN, INK_DEEP);
    OutlineBox(image, InsetBox(w, -1), INK_DEEP);
    OutlineBox(image, InsetBox(w, -2), Ink(RAMP_WOOD, 5));
    for (int32_t x = 1; x < 639; ++x) {
        PutPixel(image, x, 1, Ink(RAMP_WOOD, 12));
    }
}

// Round wooden pegs where the posts meet the beams and down the posts.
static void PaintPegs(Image8& image)
{
    for (int32_t side = 0; side < 2; ++side) {
        double x = side == 0 ? 10 : 630;
        for (double y = 84; y < 400; y += 78) {
            Mask peg = MakeMask(SCREEN);
            MaskEllipse(peg, x, y, 3, 3, true);
            PaintOutlined(image, peg, RAMP_WOOD, 13, 8, INK_DEEP);
        }
    }
}

// The vine along the top beam: a stem that wavers about the beam's middle,
// leaves to either side and now and then a flower.
static void PaintTopVine(Image8& image)
{
    AtlasBox beam = {22, 0, 618, 12};
    Mask stem = MakeMask(beam);
    for (int32_t x = beam.left; x < beam.right; ++x) {
        MaskSet(stem, x, static_cast<int32_t>(6 + 2 * std::sin(x / 17.0)), true);
    }
    PaintMask(image, stem, Ink(RAMP_LEAF, 3));
    for (int32_t x = beam.left + 8, i = 0; x < beam.right - 8; x += 19 + Noise(i, 0, 31) % 9, ++i) {
        double y = 6 + 2 * std::sin(x / 17.0);
        double up = i % 2 == 0 ? -1 : 1;
        PaintLeaf(image, beam, {x + 0.5, y + 0.5}, {x + 7.5, y + up * 4.5}, 4.5, i % 3 == 0 ? RAMP_FROG : RAMP_LEAF,
                  Ink(RAMP_LEAF, 1));
        if (i % 7 == 3) {
            PaintFlower(image, beam, x - 4, y, 1.6, i % 2 == 0 ? RAMP_RED : RAMP_PEACH);
        }
    }
}

// Leaves hanging from a top corner down its post, or climbing from a bottom
// corner; dir is 1 for the left post and -1 for the right.
static void PaintCornerLeaves(Image8& image, double x, double y, double dir, double down)
{
    AtlasBox post = dir > 0 ? AtlasBox{0, 0, 20, 480} : AtlasBox{620, 0, 640, 480};
    for (int32_t i = 0; i < 6; ++i) {
        double by = y + down * i * 11;
        double bx = x + dir * (i % 2 == 0 ? 2 : 8);
        PaintLeaf(image, post, {bx, by}, {bx + dir * (i % 2 == 0 ? 9 : -5), by + down * 8}, 6.5,
                  i % 3 == 1 ? RAMP_FROG : RAMP_LEAF, Ink(RAMP_LEAF, 1));
    }
    PaintFlower(image, post, x + dir * 9, y + down * 26, 2.2, RAMP_RED);
}

static void PaintClockPlate(Canvas& canvas)
{
    Image8& image = canvas.image;
    FillBox(image, CLOCK_PLATE, Ink(RAMP_WOOD, 2));
    OutlineBox(image, InsetBox(CLOCK_PLATE, -1), INK_DEEP);
    static const LetterStyle label = {RAMP_GOLD, 14, 11, 0, INK_DEEP, 1, 0, 0};
    SetText(canvas, CLOCK_PLATE.left - 27, 471, "TIME", TYPE_NOTE, label);
}

void DrawFrame(Canvas& canvas, AtlasId, const EntryStyle&)
{
    Image8& image = canvas.image;
    PaintWood(image);
    PaintPegs(image);
    PaintTopVine(image);
    PaintCornerLeaves(image, 4, 8, 1, 1);
    PaintCornerLeaves(image, 636, 8, -1, 1);
    PaintCornerLeaves(image, 4, 470, 1, -1);
    PaintCornerLeaves(image, 636, 470, -1, -1);
    PaintClockPlate(canvas);
    FillBox(image, g_frameBoardWindow, INK_KEY);
}
