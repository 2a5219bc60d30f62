// The atlas table: every rectangle inside its picture, the families' members
// where the screens expect them, and no two pictures sharing pixels by mistake.
#include <gtest/gtest.h>

#include "atlas_rects.h"
#include "entry_styles.h"

static bool Inside(const AtlasBox& box, AtlasPicture picture)
{
    const AtlasPictureInfo& info = g_atlasPictures[picture];
    return box.left >= 0 && box.top >= 0 && box.right <= info.width && box.bottom <= info.height;
}

static bool Overlap(const AtlasBox& a, const AtlasBox& b)
{
    return a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;
}

TEST(AtlasTable, EveryMemberAndFrameLiesInsideItsPicture)
{
    for (int32_t id = 0; id < ATLAS_COUNT; ++id) {
        const AtlasEntry& e = g_atlas[id];
        ASSERT_GE(e.picture, 0);
        ASSERT_LT(e.picture, PICTURE_COUNT);
        EXPECT_LT(e.first.left, e.first.right) << e.label;
        EXPECT_LT(e.first.top, e.first.bottom) << e.label;
        EXPECT_GE(e.count, 1) << e.label;
        EXPECT_GE(e.columns, 1) << e.label;
        EXPECT_GE(e.frames, 1) << e.label;
        EXPECT_NE(e.label[0], '\0');
        for (int32_t n = 0; n < e.count; ++n) {
            for (int32_t f = 0; f < e.frames; ++f) {
                EXPECT_TRUE(Inside(AtlasMember(static_cast<AtlasId>(id), n, f), e.picture))
                    << e.label << " member " << n << " frame " << f;
            }
        }
    }
}

struct Expected {
    AtlasId id;
    int32_t n;
    int32_t f;
    AtlasBox box;
};

// Members worked out by hand from the screens' own formulas.
TEST(AtlasTable, FamilyMembersFollowTheScreensFormulas)
{
    const Expected cases[] = {
        {ATLAS_CLOCK_DIGIT, 9, 0, {396, 96, 408, 112}},
        {static_cast<AtlasId>(ATLAS_FROG_STAND + 1), 3, 0, {360, 96, 384, 132}},
        {static_cast<AtlasId>(ATLAS_FROG_STAND + 2), 1, 0, {312, 132, 336, 168}},
        {static_cast<AtlasId>(ATLAS_FROG_STAND + 3), 1, 0, {384, 132, 408, 168}},
        {static_cast<AtlasId>(ATLAS_FROG_STAND + 4), 0, 0, {264, 132, 288, 168}},
        {static_cast<AtlasId>(ATLAS_FROG_STAND + 6), 1, 0, {432, 132, 456, 168}},
        {ATLAS_CLEAR_FROG_SPIN, 2, 0, {264, 132, 288, 168}},
        {ATLAS_CLEAR_FROG_SPIN, 3, 0, {288, 132, 312, 168}},
        {ATLAS_CLEAR_LETTER, 4, 0, {384, 350, 480, 458}},
        {ATLAS_TILE, 16, 0, {384, 0, 408, 24}},
        {ATLAS_TILE, 39, 0, {120, 48, 144, 72}},
        {ATLAS_TILE, 30, 2, {312, 72, 336, 96}},
        {ATLAS_TILE, 23, 1, {144, 48, 168, 72}},
        {ATLAS_SURFACE_STRIP, 0, 1, {0, 165, 24, 168}},
        {ATLAS_TAP_STREAM, 0, 1, {24, 120, 48, 144}},
        {ATLAS_MOUTH_STREAM_DOWN, 0, 1, {48, 120, 72, 144}},
        {ATLAS_ITEM, 4, 2, {240, 144, 264, 168}},
        {ATLAS_ITEM, 0, 1, {144, 120, 168, 144}},
        {ATLAS_OPTION_STATE, 1, 0, {420, 805, 500, 840}},
        {ATLAS_STAGE_GRID_CELL, 79, 0, {225, 236, 250, 256}},
        {ATLAS_PREVIEW_TILE, 44, 0, {100, 188, 110, 198}},
        {ATLAS_PREVIEW_TILE, 17, 0, {0, 178, 10, 188}},
        {ATLAS_STAGE_NUMBER_DIGIT, 9, 0, {270, 256, 300, 292}},
        {ATLAS_BEST_TIME_DIGIT, 9, 0, {180, 292, 200, 320}},
        {ATLAS_RESULT_DIGIT, 9, 0, {315, 480, 350, 524}},
        {ATLAS_PROLOG_PAGE, 4, 0, {0, 480, 320, 720}},
        {ATLAS_PROLOG_PAGE, 1, 0, {320, 0, 640, 240}},
    };
    for (const Expected& c : cases) {
        AtlasBox b = AtlasMember(c.id, c.n, c.f);
        EXPECT_EQ(b.left, c.box.left) << g_atlas[c.id].label << " " << c.n << "/" << c.f;
        EXPECT_EQ(b.top, c.box.top) << g_atlas[c.id].label << " " << c.n << "/" << c.f;
        EXPECT_EQ(b.right, c.box.right) << g_atlas[c.id].label << " " << c.n << "/" << c.f;
        EXPECT_EQ(b.bottom, c.box.bottom) << g_atlas[c.id].label << " " << c.n << "/" << c.f;
    }
}

TEST(AtlasTable, FrogStripsHoldTheFramesTheirPosesUse)
{
    const int32_t frames[7] = {1, 4, 4, 2, 1, 2, 2};
    for (int32_t pose = 0; pose < 7; ++pose) {
        EXPECT_EQ(g_atlas[ATLAS_FROG_STAND + pose].count, frames[pose]) << "pose " << pose;
    }
}

// Entries that share pixels on purpose: the grid and its cells, the spin and
// the frog pictures it reuses, and the two special pictures that sit on tile
// cells (open porthole on code 39, stopped belt on code 15).
static bool SharingAllowed(int32_t a, int32_t b)
{
    auto pair = [&](int32_t x, int32_t y) { return (a == x && b == y) || (a == y && b == x); };
    bool frog = (a >= ATLAS_FROG_STAND && a <= ATLAS_FROG_SWIM_RIGHT) ||
                (b >= ATLAS_FROG_STAND && b <= ATLAS_FROG_SWIM_RIGHT);
    return pair(ATLAS_STAGE_GRID, ATLAS_STAGE_GRID_CELL) || (frog && (a == ATLAS_CLEAR_FROG_SPIN || b == ATLAS_CLEAR_FROG_SPIN)) ||
           pair(ATLAS_TILE, ATLAS_PORTHOLE_OPEN) || pair(ATLAS_TILE, ATLAS_BELT_STOPPED);
}

// Tile frames beyond 0 are left out: only a few tiles are animated, and the
// others' lower rows belong to other tiles.
static int32_t CheckedFrames(int32_t id)
{
    return id == ATLAS_TILE ? 1 : g_atlas[id].frames;
}

TEST(AtlasTable, DifferentEntriesDoNotShareAtlasPixels)
{
    for (int32_t a = 0; a < ATLAS_COUNT; ++a) {
        for (int32_t b = a + 1; b < ATLAS_COUNT; ++b) {
            if (g_atlas[a].picture != g_atlas[b].picture || SharingAllowed(a, b)) {
                continue;
            }
            for (int32_t n = 0; n < g_atlas[a].count; ++n) {
                for (int32_t f = 0; f < CheckedFrames(a); ++f) {
                    for (int32_t m = 0; m < g_atlas[b].count; ++m) {
                        for (int32_t g = 0; g < CheckedFrames(b); ++g) {
                            EXPECT_FALSE(Overlap(AtlasMember(static_cast<AtlasId>(a), n, f),
                                                 AtlasMember(static_cast<AtlasId>(b), m, g)))
                                << g_atlas[a].label << " " << n << " and " << g_atlas[b].label << " " << m;
                        }
                    }
                }
            }
        }
    }
}

TEST(AtlasTable, PlaceholderStylesFollowTheTableOrder)
{
    for (int32_t id = 0; id < ATLAS_COUNT; ++id) {
        EXPECT_EQ(g_entryStyles[id].id, id) << g_atlas[id].label;
        EXPECT_NE(g_entryStyles[id].draw, nullptr) << g_atlas[id].label;
    }
}
