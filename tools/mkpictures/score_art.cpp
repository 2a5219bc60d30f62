// SCORE: the result screen's picture, drawn unkeyed, so no pixel is key
// colour. The pond seen from above, a plaque saying the stage is cleared,
// and one big sign whose flat board holds the new time (large digits at
// y 160), the three best times (x 260, y 300 + 50 k) with their places, and
// the column at x 50 to 210 where RANK IN or OUT OF RANKING is laid on it
// unkeyed; the frog cheers beside it.
#include "score_art.h"

#include "art_styles.h"
#include "boards.h"
#include "frog_figure.h"
#include "scene_parts.h"

static const AtlasBox SCREEN = {0, 0, 640, 480};
static const AtlasBox RESULT_SIGN = {26, 84, 452, 462};
static const AtlasBox HEADING = {120, 16, 360, 64};

void DrawScore(Canvas& canvas, AtlasId, const EntryStyle&)
{
    Image8& image = canvas.image;
    PaintPondFromAbove(image, SCREEN, 23);
    PaintSign(image, RESULT_SIGN, SIGN_FRAME, true);
    PaintPlaque(canvas, HEADING, "STAGE CLEAR!", TYPE_MENU);
    SetText(canvas, 80, 124, "YOUR TIME", TYPE_MENU, STYLE_GOLD);
    SetText(canvas, 248, 266, "BEST TIMES", TYPE_MENU, STYLE_GOLD);
    static const char* const places[3] = {"1ST", "2ND", "3RD"};
    static const TypeSize size = {2, 2, 2, 0, 0};
    for (int32_t k = 0; k < 3; ++k) {
        SetText(canvas, 218, 300 + 50 * k + 7, places[k], size, STYLE_GOLD);
    }
    PaintLilyPad(image, SCREEN, 548, 420, 70);
    PaintFrogFront(image, SCREEN, 548, 418, 120, true);
    PaintPlaque(canvas, {486, 230, 610, 262}, "Z: NEXT", size);
}
