// BACKIMG and PROLOG as the game shows them: their own colour tables go
// through the display's nearest-colour rule (a colour the game palette holds
// at the same index keeps it, any other takes the nearest entry, the first
// of equals). Each pixel must keep its colour, never turn into the key
// green, and no panel or stretch of the backdrop may collapse into a few
// entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "generated_pictures.h"
#include "screen_layouts.h"

static const uint8_t KEY = 47;

static int32_t Distance(const uint8_t own[4], const Rgb& c)
{
    int32_t b = own[0] - c.b;
    int32_t g = own[1] - c.g;
    int32_t r = own[2] - c.r;
    return r * r + g * g + b * b;
}

// Own table index to the game palette index the display gives it.
static std::vector<uint8_t> DisplayMap(const BmpFields& bmp)
{
    const Palette& game = TreeAssets().game;
    std::vector<uint8_t> map(256);
    for (int32_t i = 0; i < 256; ++i) {
        int32_t best = Distance(bmp.table[i], game[i]) == 0 ? i : 0;
        for (int32_t j = 0; j < 256 && Distance(bmp.table[i], game[best]) > 0; ++j) {
            best = Distance(bmp.table[i], game[j]) < Distance(bmp.table[i], game[best]) ? j : best;
        }
        map[i] = static_cast<uint8_t>(best);
    }
    return map;
}

struct Shown {
    std::map<uint8_t, int32_t> counts;   // display index: pixels
    int32_t pixels;
    int32_t worstError;                 // squared distance, own colour to shown colour
    int32_t keyPixels;
};

static Shown ShowArea(AtlasPicture picture, const AtlasBox& box)
{
    const BmpFields& bmp = Generated(picture).bmp;
    std::vector<uint8_t> map = DisplayMap(bmp);
    const Palette& game = TreeAssets().game;
    Shown shown = {{}, 0, 0, 0};
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            uint8_t own = bmp.pixels[static_cast<size_t>(y) * bmp.width + x];
            uint8_t index = map[own];
            ++shown.counts[index];
            ++shown.pixels;
            shown.worstError = std::max(shown.worstError, Distance(bmp.table[own], game[index]));
            shown.keyPixels += index == KEY;
        }
    }
    return shown;
}

static int32_t LargestShare(const Shown& shown)
{
    int32_t most = 0;
    for (const auto& entry : shown.counts) {
        most = std::max(most, entry.second);
    }
    return most * 100 / std::max(shown.pixels, 1);
}

TEST(OwnTables, BackdropAndStoryCarryTablesOfTheirOwn)
{
    const Palette& game = TreeAssets().game;
    for (AtlasPicture picture : {PICTURE_BACKIMG, PICTURE_PROLOG}) {
        const BmpFields& bmp = Generated(picture).bmp;
        int32_t moved = 0;
        for (int32_t i = 0; i < 256; ++i) {
            moved += Distance(bmp.table[i], game[i]) != 0;
        }
        EXPECT_GT(moved, 128) << g_atlasPictures[picture].name;
    }
}

TEST(OwnTables, EveryPixelKeepsItsColourAndNoneTurnsKeyGreen)
{
    for (AtlasPicture picture : {PICTURE_BACKIMG, PICTURE_PROLOG}) {
        const AtlasPictureInfo& info = g_atlasPictures[picture];
        Shown shown = ShowArea(picture, {0, 0, info.width, info.height});
        EXPECT_LE(shown.worstError, 3 * 8 * 8) << info.name;
        EXPECT_EQ(shown.keyPixels, 0) << info.name;
    }
}

// The board window of the backdrop, in bands of two cell rows: each keeps
// several shades and none is mostly one entry.
TEST(OwnTables, TheBackdropBehindTheBoardKeepsItsShades)
{
    const AtlasBox& board = g_frameBoardWindow;
    Shown whole = ShowArea(PICTURE_BACKIMG, board);
    EXPECT_GE(whole.counts.size(), 6u);
    EXPECT_LE(LargestShare(whole), 40);
    for (int32_t top = board.top; top < board.bottom; top += 48) {
        Shown band = ShowArea(PICTURE_BACKIMG, {board.left, top, board.right, std::min(top + 48, board.bottom)});
        EXPECT_GE(band.counts.size(), 3u) << "band at y " << top;
        EXPECT_LE(LargestShare(band), 70) << "band at y " << top;
    }
}

TEST(OwnTables, EveryStoryPanelKeepsManyColours)
{
    for (int32_t page = 0; page < g_atlas[ATLAS_PROLOG_PAGE].count; ++page) {
        AtlasBox panel = AtlasMember(ATLAS_PROLOG_PAGE, page, 0);
        Shown shown = ShowArea(PICTURE_PROLOG, panel);
        EXPECT_GE(shown.counts.size(), 32u) << "page " << page;
        EXPECT_LE(LargestShare(shown), 25) << "page " << page;
        for (int32_t y = panel.top; y < panel.bottom; y += 80) {
            for (int32_t x = panel.left; x < panel.right; x += 80) {
                Shown tile = ShowArea(PICTURE_PROLOG, {x, y, x + 80, y + 80});
                EXPECT_GE(tile.counts.size(), 4u) << "page " << page << " at " << x << ", " << y;
            }
        }
    }
}
