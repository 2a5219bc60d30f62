// What the placeholders show: key colour wherever nothing is drawn and in the
// windows other pictures show through, something drawn in every rectangle,
// a different picture for every member of a family, and no missing glyphs.
#include <gtest/gtest.h>

#include "generated_pictures.h"
#include "screen_layouts.h"

static const uint8_t KEY = 47;

static bool InsideBox(const AtlasBox& b, int32_t x, int32_t y)
{
    return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
}

static bool InAnyEntry(AtlasPicture picture, int32_t x, int32_t y)
{
    for (int32_t id = 0; id < ATLAS_COUNT; ++id) {
        const AtlasEntry& e = g_atlas[id];
        for (int32_t n = 0; e.picture == picture && n < e.count; ++n) {
            for (int32_t f = 0; f < e.frames; ++f) {
                if (InsideBox(AtlasMember(static_cast<AtlasId>(id), n, f), x, y)) {
                    return true;
                }
            }
        }
    }
    return false;
}

static int32_t CountNotKey(const Image8& image, const AtlasBox& box)
{
    int32_t count = 0;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            count += PixelAt(image, x, y) != KEY;
        }
    }
    return count;
}

static std::vector<uint8_t> Cut(const Image8& image, const AtlasBox& box)
{
    std::vector<uint8_t> pixels;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            pixels.push_back(PixelAt(image, x, y));
        }
    }
    return pixels;
}

TEST(PictureContent, EveryLabelFindsItsGlyphs)
{
    for (int32_t p = 0; p < PICTURE_COUNT; ++p) {
        EXPECT_EQ(Generated(static_cast<AtlasPicture>(p)).canvas.missingGlyphs, 0) << g_atlasPictures[p].name;
    }
}

TEST(PictureContent, AtlasesAreKeyColourOutsideTheirRectangles)
{
    for (AtlasPicture picture : {PICTURE_STRINGS, PICTURE_CHARA}) {
        const Image8& image = Generated(picture).canvas.image;
        int32_t stray = 0;
        for (int32_t y = 0; y < image.height; ++y) {
            for (int32_t x = 0; x < image.width; ++x) {
                stray += !InAnyEntry(picture, x, y) && PixelAt(image, x, y) != KEY;
            }
        }
        EXPECT_EQ(stray, 0) << g_atlasPictures[picture].name;
    }
}

TEST(PictureContent, WindowsOfTheScreensStayKeyColour)
{
    EXPECT_EQ(CountNotKey(Generated(PICTURE_FRAME).canvas.image, g_frameBoardWindow), 0);
    EXPECT_EQ(CountNotKey(Generated(PICTURE_STAGE).canvas.image, g_stagePreviewWindow), 0);
    EXPECT_EQ(CountNotKey(Generated(PICTURE_STAGE).canvas.image, g_stageGridWindow), 0);
    EXPECT_GT(CountNotKey(Generated(PICTURE_FRAME).canvas.image, {0, 0, 640, 12}), 0);
}

// Only the empty tile and its miniature are key colour through and through.
static bool DrawnEmpty(int32_t id, int32_t n)
{
    return (id == ATLAS_TILE || id == ATLAS_PREVIEW_TILE) && n == 0;
}

TEST(PictureContent, EveryRectangleShowsSomething)
{
    for (int32_t id = 0; id < ATLAS_COUNT; ++id) {
        const AtlasEntry& e = g_atlas[id];
        const Image8& image = Generated(e.picture).canvas.image;
        for (int32_t n = 0; n < e.count; ++n) {
            int32_t drawn = CountNotKey(image, AtlasMember(static_cast<AtlasId>(id), n, 0));
            EXPECT_EQ(drawn == 0, DrawnEmpty(id, n)) << e.label << " member " << n;
        }
    }
}

TEST(PictureContent, MembersOfAFamilyLookDifferent)
{
    for (int32_t id = 0; id < ATLAS_COUNT; ++id) {
        const AtlasEntry& e = g_atlas[id];
        const Image8& image = Generated(e.picture).canvas.image;
        for (int32_t n = 0; n < e.count; ++n) {
            for (int32_t f = 0; f < e.frames; ++f) {
                for (int32_t m = n; m < e.count; ++m) {
                    for (int32_t g = (m == n ? f + 1 : 0); g < e.frames; ++g) {
                        if (id == ATLAS_TILE && (f > 0 || g > 0)) {
                            continue;
                        }
                        EXPECT_NE(Cut(image, AtlasMember(static_cast<AtlasId>(id), n, f)),
                                  Cut(image, AtlasMember(static_cast<AtlasId>(id), m, g)))
                            << e.label << " " << n << "/" << f << " and " << m << "/" << g;
                    }
                }
            }
        }
    }
}
