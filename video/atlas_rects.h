// Atlas rectangles: where every picture the screens draw lies in the eight
// bitmaps, as plain data shared by the drawing code and the picture generator.
#ifndef VIDEO_ATLAS_RECTS_H
#define VIDEO_ATLAS_RECTS_H

#include <stdint.h>

// The eight bitmaps, in the order they are loaded.
enum AtlasPicture {
    PICTURE_BACKIMG,
    PICTURE_FRAME,
    PICTURE_STRINGS,
    PICTURE_STAGE,
    PICTURE_SCORE,
    PICTURE_TITLE,
    PICTURE_PROLOG,
    PICTURE_CHARA,
    PICTURE_COUNT
};

struct AtlasPictureInfo {
    const char* name;   // resource and file name
    int32_t width;
    int32_t height;
    int32_t keyed;      // 1 when the surface gets the colour key
};

extern const AtlasPictureInfo g_atlasPictures[PICTURE_COUNT];

// Left, top, right, bottom in picture pixels; right and bottom exclusive.
struct AtlasBox {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// One rectangle, or a family of equal rectangles laid out as a grid.
// Member n sits in grid column n % columns and grid row n / columns;
// frame f of a member lies f grid rows further down (animation frames,
// stream phases, picture rows of items).
struct AtlasEntry {
    AtlasPicture picture;
    AtlasBox first;     // member 0, frame 0
    int32_t count;      // members
    int32_t columns;    // members per grid row
    int32_t stepX;      // from one grid column to the next
    int32_t stepY;      // from one grid row to the next
    int32_t frames;     // pictures stacked under each member
    const char* label;
};

// Every atlas rectangle, screen by screen in the order the screens list them.
enum AtlasId {
    // Play screen.
    ATLAS_PLAY_BACKGROUND,
    ATLAS_FROG_STAND,           // the seven frog strips in pose order: ATLAS_FROG_STAND + pose
    ATLAS_FROG_LEFT,            // member f: walking frame f
    ATLAS_FROG_RIGHT,
    ATLAS_FROG_LADDER,
    ATLAS_FROG_OPERATE,
    ATLAS_FROG_SWIM_LEFT,
    ATLAS_FROG_SWIM_RIGHT,
    ATLAS_PLAY_FRAME,
    ATLAS_PAUSE_PANEL,
    ATLAS_PAUSE_CURSOR,
    ATLAS_CLOCK_DIGIT,          // member d: digit d
    ATLAS_CLOCK_SEPARATOR,
    // Stage-clear sequence.
    ATLAS_CLEAR_FROG_SPIN,      // member: animation frame mod 4 (front, side, back, side)
    ATLAS_CLEAR_LETTER,         // member i: C, L, E, A, R
    // Board drawing.
    ATLAS_TILE,                 // member c: tile code c, frame f (belts and lever 3, plate 2)
    ATLAS_TARGET,
    ATLAS_PORTHOLE_OPEN,
    ATLAS_BELT_STOPPED,
    ATLAS_LIQUID,               // full cell; a level of h pixels takes the top h rows
    ATLAS_SURFACE_STRIP,        // frame p: wave phase p
    ATLAS_TAP_STREAM,           // frame p: stream phase p
    ATLAS_MOUTH_STREAM_LEFT,
    ATLAS_MOUTH_STREAM_RIGHT,
    ATLAS_MOUTH_STREAM_DOWN,
    ATLAS_ITEM,                 // member type - 1; frame: picture row 0 to 2
    // Title and option screens.
    ATLAS_TITLE_BACKGROUND,
    ATLAS_TITLE_LOGO,
    ATLAS_TITLE_MENU,
    ATLAS_TITLE_CURSOR,
    ATLAS_OPTION_PANEL,
    ATLAS_OPTION_STATE,         // member 0 OFF, member 1 ON
    // Stage select.
    ATLAS_STAGE_GRID,
    ATLAS_STAGE_GRID_CELL,      // member s: the number s + 1 inside the grid
    ATLAS_STAGE_COVER,
    ATLAS_STAGE_SCREEN,
    ATLAS_STAGE_POINTER,
    ATLAS_PREVIEW_BACKGROUND,
    ATLAS_PREVIEW_LIQUID,       // full bar; a bar of h pixels takes the top h rows
    ATLAS_PREVIEW_TILE,         // member t: miniature of tile or item code t
    ATLAS_STAGE_NUMBER_DIGIT,   // member d: digit d
    ATLAS_BEST_TIME_DIGIT,      // member d: digit d
    ATLAS_BEST_TIME_SEPARATOR,
    // Result screen.
    ATLAS_RESULT_BACKGROUND,
    ATLAS_RESULT_DIGIT,         // member d: digit d
    ATLAS_RESULT_SEPARATOR,
    ATLAS_RANK_IN,
    ATLAS_OUT_OF_RANKING,
    // Prolog.
    ATLAS_PROLOG_PAGE,          // member p: page p (the sixth cell is spare)
    ATLAS_COUNT,

    // Rectangles that another screen draws as well.
    ATLAS_CLEAR_BACKGROUND = ATLAS_PLAY_BACKGROUND,
    ATLAS_CLEAR_FRAME = ATLAS_PLAY_FRAME,
    ATLAS_OPTION_BACKGROUND = ATLAS_TITLE_BACKGROUND,
    ATLAS_OPTION_CURSOR = ATLAS_PAUSE_CURSOR,
    ATLAS_RESULT_SMALL_DIGIT = ATLAS_BEST_TIME_DIGIT,
    ATLAS_RESULT_SMALL_SEPARATOR = ATLAS_BEST_TIME_SEPARATOR
};

extern const AtlasEntry g_atlas[ATLAS_COUNT];

// Member n, frame f of an entry. No range check: callers keep n and f inside
// the family, as the table's count and frames say.
AtlasBox AtlasMember(AtlasId id, int32_t n, int32_t f);

#endif
