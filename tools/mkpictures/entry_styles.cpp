// How each atlas rectangle is drawn as a placeholder: one style per table
// entry, in the table's order, so the two can be read side by side.
#include "entry_styles.h"

#include "backimg_art.h"
#include "chara_sprites.h"
#include "chara_tiles.h"
#include "inks.h"
#include "frame_art.h"
#include "grid_art.h"
#include "menu_art.h"
#include "placeholders.h"
#include "prolog_art.h"
#include "score_art.h"
#include "stage_art.h"
#include "title_art.h"
#include "word_art.h"

#define SHADE(ramp, shade) static_cast<uint8_t>(RAMP_##ramp + (shade))

static const char* const DIGITS = "0|1|2|3|4|5|6|7|8|9";

// id, drawing, fill, ink, words, largest lettering scale
const EntryStyle g_entryStyles[ATLAS_COUNT] = {
    // Play screen.
    {ATLAS_PLAY_BACKGROUND, DrawBackImg, 0, 0, nullptr, 0},
    {ATLAS_FROG_STAND, DrawLabelledBoxes, SHADE(FROG, 10), SHADE(FROG, 1), nullptr, 0},
    {ATLAS_FROG_LEFT, DrawLabelledBoxes, SHADE(FROG, 10), SHADE(FROG, 1), nullptr, 0},
    {ATLAS_FROG_RIGHT, DrawLabelledBoxes, SHADE(FROG, 10), SHADE(FROG, 1), nullptr, 0},
    {ATLAS_FROG_LADDER, DrawLabelledBoxes, SHADE(FROG, 8), SHADE(FROG, 1), nullptr, 0},
    {ATLAS_FROG_OPERATE, DrawLabelledBoxes, SHADE(FROG, 8), SHADE(FROG, 1), nullptr, 0},
    {ATLAS_FROG_SWIM_LEFT, DrawLabelledBoxes, SHADE(FROG, 12), SHADE(WATER, 2), nullptr, 0},
    {ATLAS_FROG_SWIM_RIGHT, DrawLabelledBoxes, SHADE(FROG, 12), SHADE(WATER, 2), nullptr, 0},
    {ATLAS_PLAY_FRAME, DrawFrame, 0, 0, nullptr, 0},
    {ATLAS_PAUSE_PANEL, DrawPausePanel, SHADE(METAL, 3), INK_WHITE, "PAUSE|MAIN MENU|STAGE SELECT|RESTART|EXIT", 0},
    {ATLAS_PAUSE_CURSOR, DrawNothing, 0, 0, nullptr, 0},
    {ATLAS_CLOCK_DIGIT, DrawLabelledBoxes, SHADE(GREY, 1), INK_WHITE, DIGITS, 16},
    {ATLAS_CLOCK_SEPARATOR, DrawSeparator, INK_KEY, INK_WHITE, nullptr, 0},
    // Stage-clear sequence: the spin shows the frog pictures drawn above.
    {ATLAS_CLEAR_FROG_SPIN, DrawNothing, 0, 0, nullptr, 0},
    {ATLAS_CLEAR_LETTER, DrawClearLetters, 0, 0, "C|L|E|A|R", 0},
    // Board drawing.
    {ATLAS_TILE, DrawTiles, 0, 0, nullptr, 0},
    {ATLAS_TARGET, DrawLabelledBoxes, INK_KEY, SHADE(RED, 9), "TGT", 0},
    {ATLAS_PORTHOLE_OPEN, DrawLabelledBoxes, INK_KEY, SHADE(METAL, 1), "PORT OPEN", 0},
    {ATLAS_BELT_STOPPED, DrawBeltStopped, SHADE(METAL, 3), INK_WHITE, nullptr, 0},
    {ATLAS_LIQUID, DrawLiquid, SHADE(WATER, 8), SHADE(WATER, 11), "LQ", 0},
    {ATLAS_SURFACE_STRIP, DrawSurfaceStrip, SHADE(WATER, 12), SHADE(ICE, 15), nullptr, 0},
    {ATLAS_TAP_STREAM, DrawStream, SHADE(WATER, 9), SHADE(WATER, 13), nullptr, 0},
    {ATLAS_MOUTH_STREAM_LEFT, DrawStream, SHADE(WATER, 9), SHADE(WATER, 13), nullptr, 0},
    {ATLAS_MOUTH_STREAM_RIGHT, DrawStream, SHADE(WATER, 9), SHADE(WATER, 13), nullptr, 0},
    {ATLAS_MOUTH_STREAM_DOWN, DrawStream, SHADE(WATER, 9), SHADE(WATER, 13), nullptr, 0},
    {ATLAS_ITEM, DrawItems, 0, 0, nullptr, 0},
    // Title and option screens.
    {ATLAS_TITLE_BACKGROUND, DrawTitle, 0, 0, nullptr, 0},
    {ATLAS_TITLE_LOGO, DrawTitleLogo, 0, 0, "FROG|POND", 0},
    {ATLAS_TITLE_MENU, DrawTitleMenu, 0, 0, "GAME START|OPTION|EXIT", 0},
    {ATLAS_TITLE_CURSOR, DrawNothing, 0, 0, nullptr, 0},
    {ATLAS_OPTION_PANEL, DrawOptionPanel, 0, 0, "OPTION|BGM|SE||EXIT", 0},
    {ATLAS_OPTION_STATE, DrawOptionStates, 0, 0, "OFF|ON", 0},
    // Stage select.
    {ATLAS_STAGE_GRID, DrawStageGrid, 0, 0, nullptr, 0},
    {ATLAS_STAGE_GRID_CELL, DrawNothing, 0, 0, nullptr, 0},
    {ATLAS_STAGE_COVER, DrawNothing, 0, 0, nullptr, 0},
    {ATLAS_STAGE_SCREEN, DrawStage, 0, 0, nullptr, 0},
    {ATLAS_STAGE_POINTER, DrawNothing, 0, 0, nullptr, 0},
    {ATLAS_PREVIEW_BACKGROUND, DrawPlainBoxes, SHADE(GREY, 2), SHADE(GREY, 3), nullptr, 0},
    {ATLAS_PREVIEW_LIQUID, DrawLiquid, SHADE(WATER, 9), 0, nullptr, 0},
    {ATLAS_PREVIEW_TILE, DrawPreviewTiles, 0, 0, nullptr, 0},
    {ATLAS_STAGE_NUMBER_DIGIT, DrawLabelledBoxes, SHADE(METAL, 2), INK_WHITE, DIGITS, 16},
    {ATLAS_BEST_TIME_DIGIT, DrawLabelledBoxes, SHADE(GREY, 1), INK_WHITE, DIGITS, 16},
    {ATLAS_BEST_TIME_SEPARATOR, DrawSeparator, INK_KEY, INK_WHITE, nullptr, 0},
    // Result screen.
    {ATLAS_RESULT_BACKGROUND, DrawScore, 0, 0, nullptr, 0},
    {ATLAS_RESULT_DIGIT, DrawLabelledBoxes, SHADE(RED, 3), SHADE(GOLD, 14), DIGITS, 16},
    {ATLAS_RESULT_SEPARATOR, DrawSeparator, INK_KEY, SHADE(GOLD, 14), nullptr, 0},
    {ATLAS_RANK_IN, DrawRankIn, 0, 0, "RANK IN", 0},
    {ATLAS_OUT_OF_RANKING, DrawOutOfRanking, 0, 0, "OUT OF|RANKING", 0},
    // Prolog.
    {ATLAS_PROLOG_PAGE, DrawPrologPages, 0, 0, nullptr, 0},
};

#undef SHADE

std::string WordAt(const char* words, int32_t n)
{
    if (words == nullptr) {
        return "";
    }
    std::string all(words);
    size_t start = 0;
    for (int32_t i = 0; i < n; ++i) {
        start = all.find('|', start);
        if (start == std::string::npos) {
            return "";
        }
        ++start;
    }
    size_t end = all.find('|', start);
    return all.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int32_t WordCount(const char* words)
{
    if (words == nullptr) {
        return 0;
    }
    int32_t count = 1;
    for (const char* c = words; *c != '\0'; ++c) {
        count += *c == '|';
    }
    return count;
}
