// Atlas rectangles: the table of every picture the screens draw, one line per
// rectangle or family, in the order of the screens' own picture lists.
#include "atlas_rects.h"

const AtlasPictureInfo g_atlasPictures[PICTURE_COUNT] = {
    {"BACKIMG", 640, 480, 0},
    {"FRAME", 640, 480, 1},
    {"STRINGS", 600, 1265, 1},
    {"STAGE", 640, 480, 1},
    {"SCORE", 640, 480, 1},
    {"TITLE", 640, 480, 1},
    {"PROLOG", 640, 720, 0},
    {"CHARA", 456, 198, 1},
};

// picture, member 0 (left, top, right, bottom), count, columns, stepX, stepY, frames, label
const AtlasEntry g_atlas[ATLAS_COUNT] = {
    // Play screen.
    {PICTURE_BACKIMG, {0, 0, 640, 480}, 1, 1, 0, 0, 1, "PLAY BACKGROUND"},
    {PICTURE_CHARA, {264, 96, 288, 132}, 1, 1, 0, 0, 1, "FROG STAND"},
    {PICTURE_CHARA, {288, 96, 312, 132}, 4, 4, 24, 0, 1, "FROG LEFT"},
    {PICTURE_CHARA, {288, 132, 312, 168}, 4, 4, 24, 0, 1, "FROG RIGHT"},
    {PICTURE_CHARA, {384, 96, 408, 132}, 2, 1, 0, 36, 1, "FROG LADDER"},
    {PICTURE_CHARA, {264, 132, 288, 168}, 1, 1, 0, 0, 1, "FROG OPERATE"},
    {PICTURE_CHARA, {408, 96, 432, 132}, 2, 2, 24, 0, 1, "FROG SWIM LEFT"},
    {PICTURE_CHARA, {408, 132, 432, 168}, 2, 2, 24, 0, 1, "FROG SWIM RIGHT"},
    {PICTURE_FRAME, {0, 0, 640, 480}, 1, 1, 0, 0, 1, "PLAY FRAME"},
    {PICTURE_STRINGS, {0, 734, 420, 1000}, 1, 1, 0, 0, 1, "PAUSE PANEL"},
    {PICTURE_STRINGS, {420, 734, 455, 770}, 1, 1, 0, 0, 1, "PAUSE CURSOR"},
    {PICTURE_STRINGS, {288, 96, 300, 112}, 10, 10, 12, 0, 1, "CLOCK DIGIT"},
    {PICTURE_STRINGS, {276, 96, 288, 112}, 1, 1, 0, 0, 1, "CLOCK SEPARATOR"},
    // Stage-clear sequence.
    {PICTURE_CHARA, {264, 96, 288, 132}, 4, 2, 24, 36, 1, "CLEAR FROG SPIN"},
    {PICTURE_STRINGS, {0, 350, 96, 458}, 5, 5, 96, 0, 1, "CLEAR LETTER"},
    // Board drawing.
    {PICTURE_CHARA, {0, 0, 24, 24}, 40, 17, 24, 24, 3, "TILE"},
    {PICTURE_CHARA, {24, 144, 48, 168}, 1, 1, 0, 0, 1, "TARGET"},
    {PICTURE_CHARA, {120, 48, 144, 72}, 1, 1, 0, 0, 1, "PORTHOLE OPEN"},
    {PICTURE_CHARA, {360, 0, 384, 24}, 1, 1, 0, 0, 1, "BELT STOPPED"},
    {PICTURE_CHARA, {0, 96, 24, 120}, 1, 1, 0, 0, 1, "LIQUID"},
    {PICTURE_CHARA, {0, 141, 24, 144}, 1, 1, 0, 24, 2, "SURFACE STRIP"},
    {PICTURE_CHARA, {24, 96, 48, 120}, 1, 1, 0, 24, 2, "TAP STREAM"},
    {PICTURE_CHARA, {96, 96, 120, 120}, 1, 1, 0, 24, 2, "MOUTH STREAM LEFT"},
    {PICTURE_CHARA, {120, 96, 144, 120}, 1, 1, 0, 24, 2, "MOUTH STREAM RIGHT"},
    {PICTURE_CHARA, {48, 96, 72, 120}, 1, 1, 0, 24, 2, "MOUTH STREAM DOWN"},
    {PICTURE_CHARA, {144, 96, 168, 120}, 5, 5, 24, 24, 3, "ITEM"},
    // Title and option screens.
    {PICTURE_TITLE, {0, 0, 640, 480}, 1, 1, 0, 0, 1, "TITLE BACKGROUND"},
    {PICTURE_STRINGS, {0, 525, 490, 724}, 1, 1, 0, 0, 1, "TITLE LOGO"},
    {PICTURE_STRINGS, {250, 140, 480, 236}, 1, 1, 0, 0, 1, "TITLE MENU"},
    {PICTURE_STRINGS, {480, 140, 510, 170}, 1, 1, 0, 0, 1, "TITLE CURSOR"},
    {PICTURE_STRINGS, {0, 1000, 420, 1265}, 1, 1, 0, 0, 1, "OPTION PANEL"},
    {PICTURE_STRINGS, {420, 770, 500, 805}, 2, 1, 0, 35, 1, "OPTION STATE"},
    // Stage select.
    {PICTURE_STRINGS, {0, 96, 250, 256}, 1, 1, 0, 0, 1, "STAGE GRID"},
    {PICTURE_STRINGS, {0, 96, 25, 116}, 80, 10, 25, 20, 1, "STAGE GRID CELL"},
    {PICTURE_STRINGS, {250, 96, 275, 116}, 1, 1, 0, 0, 1, "STAGE COVER"},
    {PICTURE_STAGE, {0, 0, 640, 480}, 1, 1, 0, 0, 1, "STAGE SCREEN"},
    {PICTURE_STRINGS, {250, 116, 275, 136}, 1, 1, 0, 0, 1, "STAGE POINTER"},
    {PICTURE_CHARA, {170, 168, 180, 178}, 1, 1, 0, 0, 1, "PREVIEW BACKGROUND"},
    {PICTURE_CHARA, {170, 178, 180, 188}, 1, 1, 0, 0, 1, "PREVIEW LIQUID"},
    {PICTURE_CHARA, {0, 168, 10, 178}, 45, 17, 10, 10, 1, "PREVIEW TILE"},
    {PICTURE_STRINGS, {0, 256, 30, 292}, 10, 10, 30, 0, 1, "STAGE NUMBER DIGIT"},
    {PICTURE_STRINGS, {0, 292, 20, 320}, 10, 10, 20, 0, 1, "BEST TIME DIGIT"},
    {PICTURE_STRINGS, {200, 292, 220, 320}, 1, 1, 0, 0, 1, "BEST TIME SEPARATOR"},
    // Result screen.
    {PICTURE_SCORE, {0, 0, 640, 480}, 1, 1, 0, 0, 1, "RESULT BACKGROUND"},
    {PICTURE_STRINGS, {0, 480, 35, 524}, 10, 10, 35, 0, 1, "RESULT DIGIT"},
    {PICTURE_STRINGS, {350, 480, 385, 524}, 1, 1, 0, 0, 1, "RESULT SEPARATOR"},
    {PICTURE_STRINGS, {460, 240, 600, 300}, 1, 1, 0, 0, 1, "RANK IN"},
    {PICTURE_STRINGS, {300, 240, 460, 300}, 1, 1, 0, 0, 1, "OUT OF RANKING"},
    // Prolog.
    {PICTURE_PROLOG, {0, 0, 320, 240}, 6, 2, 320, 240, 1, "PROLOG PAGE"},
};

AtlasBox AtlasMember(AtlasId id, int32_t n, int32_t f)
{
    const AtlasEntry& e = g_atlas[id];
    int32_t dx = (n % e.columns) * e.stepX;
    int32_t dy = (n / e.columns + f) * e.stepY;
    AtlasBox box = {e.first.left + dx, e.first.top + dy, e.first.right + dx, e.first.bottom + dy};
    return box;
}
