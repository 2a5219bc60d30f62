// STAGE: the stage select's picture, drawn over the stage grid and under the
// preview. The pond seen from above, with wooden signs: one framing the
// preview window (upper left), one holding the stage number (its plate is
// the dark teal the unkeyed number digits stand on), one framing the grid
// window (lower left), the BEST TIME sign with its three places (right) and
// a sign with the keys, beside the frog. Both windows stay key colour.
#include "stage_art.h"

#include "art_styles.h"
#include "boards.h"
#include "frog_figure.h"
#include "scene_parts.h"
#include "screen_layouts.h"

static const AtlasBox SCREEN = {0, 0, 640, 480};
// The stage number's three digits at (197 + 30 k, 235), 30 x 36 each.
static const AtlasBox NUMBER_SIGN = {19, 229, 297, 277};
// The best times at x 450 and y 120 + 50 k, 28 pixels high.
static const AtlasBox BEST_SIGN = {312, 60, 628, 270};
static const AtlasBox KEYS_SIGN = {312, 284, 520, 464};

static void PaintWindowSign(Image8& image, const AtlasBox& window)
{
    PaintSign(image, InsetBox(window, -(SIGN_FRAME + 2)), SIGN_FRAME, true);
    FillBox(image, window, INK_KEY);
}

static void PaintNumberSign(Canvas& canvas)
{
    PaintSign(canvas.image, NUMBER_SIGN, SIGN_FRAME_NARROW, true);
    AtlasBox label = {NUMBER_SIGN.left + SIGN_FRAME_NARROW, NUMBER_SIGN.top, 193, NUMBER_SIGN.bottom};
    SetTextCentred(canvas, label, "STAGE", TYPE_MENU, STYLE_GOLD);
}

static void PaintBestSign(Canvas& canvas)
{
    PaintSign(canvas.image, BEST_SIGN, SIGN_FRAME, false);
    int32_t width = TypeWidth(canvas.assets->large, "BEST TIME", TYPE_MENU) + 30;
    int32_t left = (BEST_SIGN.left + BEST_SIGN.right - width) / 2;
    PaintPlaque(canvas, {left, BEST_SIGN.top + 6, left + width, BEST_SIGN.top + 44}, "BEST TIME", TYPE_MENU);
    static const char* const places[3] = {"1ST", "2ND", "3RD"};
    for (int32_t k = 0; k < 3; ++k) {
        SetText(canvas, 336, 120 + 50 * k + 3, places[k], TYPE_MENU, STYLE_GOLD);
    }
}

static void PaintKeysSign(Canvas& canvas)
{
    PaintSign(canvas.image, KEYS_SIGN, SIGN_FRAME, false);
    static const char* const lines[3] = {"ARROWS: CHOOSE", "Z: PLAY", "X: BACK"};
    static const TypeSize size = {2, 2, 2, 0, 0};
    for (int32_t i = 0; i < 3; ++i) {
        SetText(canvas, KEYS_SIGN.left + 24, KEYS_SIGN.top + 34 + 44 * i, lines[i], size, STYLE_GOLD);
    }
}

void DrawStage(Canvas& canvas, AtlasId, const EntryStyle&)
{
    Image8& image = canvas.image;
    PaintPondFromAbove(image, SCREEN, 17);
    PaintWindowSign(image, g_stagePreviewWindow);
    PaintWindowSign(image, g_stageGridWindow);
    PaintNumberSign(canvas);
    PaintBestSign(canvas);
    PaintKeysSign(canvas);
    PaintLilyPad(image, SCREEN, 578, 452, 54);
    PaintFrogFront(image, SCREEN, 578, 450, 86, false);
}
