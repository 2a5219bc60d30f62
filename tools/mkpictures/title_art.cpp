// TITLE: the pond in the forest on a sunny day. Sky and clouds above, where
// the logo bobs; the animals' town among the trees on the far bank, with a
// signpost bearing the game's name; the pond below with lily pads, reeds,
// the frog on its pad at the right and, in the middle, the sign the title
// menu is lettered on. Drawn unkeyed, so no pixel is key colour.
#include "title_art.h"

#include "art_styles.h"
#include "boards.h"
#include "frog_figure.h"
#include "paint.h"
#include "scene_parts.h"

static const AtlasBox SCREEN = {0, 0, 640, 480};
static const int32_t HORIZON = 290;
// The sign under the title menu (205, 350) and its cursor (175, 350 + 34 k).
static const AtlasBox MENU_SIGN = {156, 334, 452, 462};

static void PaintSkyAndClouds(Image8& image)
{
    Mask sky = MakeMask(SCREEN);
    MaskBox(sky, {0, 0, 640, HORIZON}, true);
    PaintGradient(image, sky, RAMP_SKY, 8.5, 14.5, 0, 15);
    Mask sun = MakeMask(SCREEN);
    MaskEllipse(sun, 600, 40, 30, 30, true);
    PaintMask(image, Rim(sun, 5), Ink(RAMP_GOLD, 14));
    PaintLit(image, sun, RAMP_GOLD, 15, 14);
    PaintCloud(image, SCREEN, 70, 110, 120, RAMP_ICE, 15, 10);
    PaintCloud(image, SCREEN, 560, 170, 140, RAMP_ICE, 15, 10);
    PaintCloud(image, SCREEN, 330, 200, 90, RAMP_ICE, 15, 11);
}

// The far bank: a line of trees with the town's roofs between them.
static void PaintFarBank(Image8& image)
{
    PaintTreeLine(image, {0, 200, 640, HORIZON}, 22, RAMP_LEAF, 9, 6, false, 7);
    static const int32_t houses[][3] = {{214, 34, 30}, {254, 26, 24}, {306, 30, 34}, {356, 24, 22}, {404, 32, 28}};
    static const InkRamp roofs[] = {RAMP_RED, RAMP_EARTH, RAMP_RED, RAMP_PURPLE, RAMP_EARTH};
    for (size_t i = 0; i < 5; ++i) {
        HouseLook look = {RAMP_PEACH, roofs[i], false};
        PaintHouse(image, SCREEN, houses[i][0], HORIZON - 12, houses[i][1], houses[i][2], look);
    }
    TreeLook far = {RAMP_LEAF, 10, 5, Ink(RAMP_LEAF, 1), 0};
    static const double trees[][2] = {{196, 60}, {286, 70}, {344, 56}, {388, 66}, {448, 60}};
    for (size_t i = 0; i < 5; ++i) {
        PaintTree(image, SCREEN, trees[i][0], HORIZON - 6, trees[i][1], far, static_cast<int32_t>(i));
    }
    Mask bank = MakeMask(SCREEN);
    MaskBox(bank, {0, HORIZON - 14, 640, HORIZON + 4}, true);
    PaintGradient(image, bank, RAMP_LEAF, 10, 7, 0, 14);
}

static void PaintNamePost(Canvas& canvas)
{
    Image8& image = canvas.image;
    Mask post = MakeMask(SCREEN);
    MaskBox(post, {146, 252, 154, HORIZON + 2}, true);
    PaintOutlined(image, post, RAMP_WOOD, 9, 5, INK_DEEP);
    PaintPlaque(canvas, {96, 226, 204, 256}, "FROG POND", {2, 2, 2, 0, 0});
}

static void PaintPond(Image8& image)
{
    PaintWater(image, {0, HORIZON + 4, 640, 480}, RAMP_WATER, 11.5, 7, 9);
    static const double pads[][3] = {{60, 330, 26}, {120, 400, 34}, {500, 318, 22}, {300, 310, 18},
                                     {40, 450, 40}};
    for (const auto& p : pads) {
        PaintLilyPad(image, SCREEN, p[0], p[1], p[2]);
    }
    PaintFlower(image, SCREEN, 124, 392, 4, RAMP_RED);
    PaintFlower(image, SCREEN, 300, 305, 3, RAMP_PEACH);
}

static void PaintMenuSign(Image8& image)
{
    for (int32_t x : {MENU_SIGN.left + 40, MENU_SIGN.right - 48}) {
        Mask leg = MakeMask(SCREEN);
        MaskBox(leg, {x, MENU_SIGN.bottom - 4, x + 8, 480}, true);
        PaintOutlined(image, leg, RAMP_WOOD, 8, 4, INK_DEEP);
    }
    PaintSign(image, MENU_SIGN, SIGN_FRAME, false);
}

void DrawTitle(Canvas& canvas, AtlasId, const EntryStyle&)
{
    Image8& image = canvas.image;
    PaintSkyAndClouds(image);
    PaintFarBank(image);
    PaintNamePost(canvas);
    PaintPond(image);
    TreeLook near = {RAMP_LEAF, 13, 6, Ink(RAMP_LEAF, 0), 0};
    PaintTree(image, SCREEN, 36, 300, 300, near, 11);
    PaintTree(image, SCREEN, 614, 300, 280, near, 12);
    PaintReeds(image, SCREEN, 8, 480, 5, 120, 1);
    PaintReeds(image, SCREEN, 470, 480, 5, 120, 2);
    PaintMenuSign(image);
    PaintLilyPad(image, SCREEN, 548, 448, 62);
    PaintFrogFront(image, SCREEN, 548, 446, 96, true);
}
