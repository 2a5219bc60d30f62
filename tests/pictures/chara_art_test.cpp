// What the hand-drawn CHARA pictures must respect to fit the rules: the frog
// stands on the bottom row of its picture, where its hit box ends, the ice
// block's three pictures stay inside the hit box of their size, solid tiles
// and the water hide what lies behind them, animations change from frame to
// frame, and streams start where their pipe or tap lets the water out.
#include <gtest/gtest.h>

#include "generated_pictures.h"

static const uint8_t KEY = 47;

// Smallest box holding every pixel that is not key colour.
static AtlasBox DrawnBounds(const Image8& image, const AtlasBox& box)
{
    AtlasBox bounds = {box.right, box.bottom, box.left, box.top};
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            if (PixelAt(image, x, y) != KEY) {
                bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                          std::max(bounds.bottom, y + 1)};
            }
        }
    }
    return bounds;
}

TEST(CharaArt, FrogsOnTheirFeetReachTheBottomRow)
{
    const Image8& chara = Generated(PICTURE_CHARA).canvas.image;
    for (AtlasId id : {ATLAS_FROG_STAND, ATLAS_FROG_LEFT, ATLAS_FROG_RIGHT, ATLAS_FROG_OPERATE, ATLAS_FROG_LADDER}) {
        for (int32_t n = 0; n < g_atlas[id].count; ++n) {
            AtlasBox cell = AtlasMember(id, n, 0);
            AtlasBox drawn = DrawnBounds(chara, cell);
            EXPECT_EQ(drawn.bottom, cell.bottom) << g_atlas[id].label << " " << n;
        }
    }
}

TEST(CharaArt, IceBlockPicturesFillTheHitBoxOfTheirSize)
{
    const Image8& chara = Generated(PICTURE_CHARA).canvas.image;
    const int32_t inset[3] = {0, 4, 8};     // sizes 24, 16 and 8 pixels, centred
    for (int32_t row = 0; row < 3; ++row) {
        AtlasBox cell = AtlasMember(ATLAS_ITEM, 3, row);
        AtlasBox drawn = DrawnBounds(chara, cell);
        EXPECT_EQ(drawn.left, cell.left + inset[row]) << "row " << row;
        EXPECT_EQ(drawn.top, cell.top + inset[row]) << "row " << row;
        EXPECT_EQ(drawn.right, cell.right - inset[row]) << "row " << row;
        EXPECT_EQ(drawn.bottom, cell.bottom - inset[row]) << "row " << row;
    }
}

static bool SamePixels(const Image8& image, const AtlasBox& a, const AtlasBox& b)
{
    for (int32_t y = 0; y < a.bottom - a.top; ++y) {
        for (int32_t x = 0; x < a.right - a.left; ++x) {
            if (PixelAt(image, a.left + x, a.top + y) != PixelAt(image, b.left + x, b.top + y)) {
                return false;
            }
        }
    }
    return true;
}

static int32_t KeyPixels(const Image8& image, const AtlasBox& box)
{
    int32_t count = 0;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            count += PixelAt(image, x, y) == KEY ? 1 : 0;
        }
    }
    return count;
}

TEST(CharaArt, WallsDecorationAndWaterAreOpaque)
{
    const Image8& chara = Generated(PICTURE_CHARA).canvas.image;
    for (int32_t code : {1, 13, 14, 18, 19, 20, 21, 28, 29, 31, 33, 35, 36, 37, 38}) {
        EXPECT_EQ(KeyPixels(chara, AtlasMember(ATLAS_TILE, code, 0)), 0) << "tile " << code;
    }
    EXPECT_EQ(KeyPixels(chara, AtlasMember(ATLAS_LIQUID, 0, 0)), 0);
    EXPECT_EQ(KeyPixels(chara, AtlasMember(ATLAS_PREVIEW_LIQUID, 0, 0)), 0);
}

TEST(CharaArt, AnimationFramesDiffer)
{
    const Image8& chara = Generated(PICTURE_CHARA).canvas.image;
    for (int32_t code : {23, 24, 25, 26}) {
        for (int32_t f = 0; f < 3; ++f) {
            EXPECT_FALSE(
                SamePixels(chara, AtlasMember(ATLAS_TILE, code, f), AtlasMember(ATLAS_TILE, code, (f + 1) % 3)))
                << "belt " << code << " frame " << f;
        }
    }
    EXPECT_FALSE(SamePixels(chara, AtlasMember(ATLAS_TILE, 30, 0), AtlasMember(ATLAS_TILE, 30, 2)));
    EXPECT_FALSE(SamePixels(chara, AtlasMember(ATLAS_TILE, 32, 0), AtlasMember(ATLAS_TILE, 32, 1)));
    EXPECT_FALSE(SamePixels(chara, AtlasMember(ATLAS_TILE, 22, 0), AtlasMember(ATLAS_PORTHOLE_OPEN, 0, 0)));
    for (AtlasId id : {ATLAS_SURFACE_STRIP, ATLAS_TAP_STREAM, ATLAS_MOUTH_STREAM_LEFT, ATLAS_MOUTH_STREAM_RIGHT,
                       ATLAS_MOUTH_STREAM_DOWN}) {
        EXPECT_FALSE(SamePixels(chara, AtlasMember(id, 0, 0), AtlasMember(id, 0, 1))) << g_atlas[id].label;
    }
}

// A stream enters its cell from one edge; every pixel it has on that edge must
// lie against a drawn pixel of the source on the far edge of the next cell.
struct StreamSource {
    AtlasId stream;
    int32_t sourceCode;
    int32_t dx, dy;     // step from the stream's cell to the source cell
};

static const StreamSource g_streamSources[] = {
    {ATLAS_TAP_STREAM, 27, 0, -1},
    {ATLAS_MOUTH_STREAM_DOWN, 12, 0, -1},
    {ATLAS_MOUTH_STREAM_LEFT, 3, 1, 0},
    {ATLAS_MOUTH_STREAM_RIGHT, 5, -1, 0},
};

TEST(CharaArt, StreamsLeaveThroughTheirOutlet)
{
    const Image8& chara = Generated(PICTURE_CHARA).canvas.image;
    for (const StreamSource& s : g_streamSources) {
        AtlasBox source = AtlasMember(ATLAS_TILE, s.sourceCode, 0);
        for (int32_t phase = 0; phase < 2; ++phase) {
            AtlasBox stream = AtlasMember(s.stream, 0, phase);
            int32_t touching = 0;
            for (int32_t i = 0; i < 24; ++i) {
                int32_t sx = s.dx == 0 ? i : (s.dx > 0 ? 23 : 0);
                int32_t sy = s.dy == 0 ? i : 0;
                if (PixelAt(chara, stream.left + sx, stream.top + sy) == KEY) {
                    continue;
                }
                ++touching;
                int32_t ox = s.dx == 0 ? sx : 23 - sx;
                int32_t oy = s.dy == 0 ? sy : 23;
                EXPECT_NE(PixelAt(chara, source.left + ox, source.top + oy), KEY)
                    << g_atlas[s.stream].label << " phase " << phase << " at " << i;
            }
            EXPECT_GT(touching, 0) << g_atlas[s.stream].label << " phase " << phase;
        }
    }
}

// The preview draws a cell's liquid bar under its miniature, so the open cells
// that show their liquid must let it through.
TEST(CharaArt, OpenMiniaturesShowTheLiquidBehind)
{
    const Image8& chara = Generated(PICTURE_CHARA).canvas.image;
    EXPECT_EQ(KeyPixels(chara, AtlasMember(ATLAS_PREVIEW_TILE, 0, 0)), 100);
    for (int32_t code : {2, 34}) {
        EXPECT_GT(KeyPixels(chara, AtlasMember(ATLAS_PREVIEW_TILE, code, 0)), 30) << "code " << code;
    }
    EXPECT_EQ(KeyPixels(chara, AtlasMember(ATLAS_PREVIEW_BACKGROUND, 0, 0)), 0);
}
