// The wooden signs every screen shows its words on: a frame of planks round
// a dark pond-green board, and small plaques with a carved word.
#include "boards.h"

#include <algorithm>

#include "art_styles.h"
#include "paint.h"

static const int32_t CORNER = 14;

static void PaintRipples(Image8& image, const AtlasBox& inside)
{
    for (int32_t y = inside.top + 8; y < inside.bottom - 8; y += 14) {
        for (int32_t x = inside.left + 10; x < inside.right - 20; x += 34) {
            int32_t at = x + Noise(x, y, 5) % 24;
            int32_t length = 4 + Noise(x, y, 6) % 6;
            FillBox(image, {at, y, at + length, y + 1}, Ink(RAMP_TEAL, 4));
        }
    }
}

void PaintSign(Image8& image, const AtlasBox& box, int32_t frame, bool flat)
{
    int32_t corner = std::min(CORNER, frame + 2);
    Mask outer = MakeMask(box);
    MaskRoundBox(outer, box, corner, true);
    PaintMask(image, outer, INK_DEEP);
    Mask planks = MakeMask(box);
    MaskRoundBox(planks, InsetBox(box, 2), corner - 2, true);
    PaintPlanks(image, planks, RAMP_WOOD, 8, std::min(7, frame - 2), 11 + box.left + box.top, false);
    AtlasBox inside = InsetBox(box, frame);
    Mask board = MakeMask(box);
    MaskRoundBox(board, inside, frame >= SIGN_FRAME ? 6 : 2, true);
    PaintMask(image, Rim(board, 2), Ink(RAMP_WOOD, 4));
    if (flat) {
        PaintMask(image, board, INK_SCORE_BOARD);
        return;
    }
    PaintGradient(image, board, RAMP_TEAL, 3.2, 0.6, 0, 4);
    PaintRipples(image, inside);
}

void PaintPlaque(Canvas& canvas, const AtlasBox& box, const std::string& word, const TypeSize& size)
{
    Mask shape = MakeMask(InsetBox(box, -2));
    MaskRoundBox(shape, box, 8, true);
    PaintMask(canvas.image, Rim(shape, 2), INK_DEEP);
    PaintPlanks(canvas.image, shape, RAMP_WOOD, 12, 6, 3, false);
    static const LetterStyle carved = {RAMP_WOOD, 2, 0, 0, Ink(RAMP_WOOD, 14), 1, 0, 0};
    SetTextCentred(canvas, box, word, size, carved);
}
