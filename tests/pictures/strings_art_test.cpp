// What the hand-drawn STRINGS digits must respect: the time texts advance less
// after a separator than its picture is wide, so the separator must stay where
// the next digit does not cover it; and no two digits of a set look alike.
#include <gtest/gtest.h>

#include <algorithm>

#include "generated_pictures.h"

static const uint8_t KEY = 47;

static int32_t RightmostDrawn(const Image8& image, const AtlasBox& box)
{
    int32_t right = box.left;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            right = PixelAt(image, x, y) != KEY ? std::max(right, x + 1) : right;
        }
    }
    return right - box.left;
}

TEST(StringsArt, SeparatorsStayLeftOfTheNextDigit)
{
    const Image8& strings = Generated(PICTURE_STRINGS).canvas.image;
    EXPECT_LE(RightmostDrawn(strings, AtlasMember(ATLAS_BEST_TIME_SEPARATOR, 0, 0)), 10);
    EXPECT_LE(RightmostDrawn(strings, AtlasMember(ATLAS_RESULT_SEPARATOR, 0, 0)), 25);
    EXPECT_LE(RightmostDrawn(strings, AtlasMember(ATLAS_CLOCK_SEPARATOR, 0, 0)), 12);
    EXPECT_GT(RightmostDrawn(strings, AtlasMember(ATLAS_BEST_TIME_SEPARATOR, 0, 0)), 0);
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

TEST(StringsArt, EveryDigitOfASetIsDistinct)
{
    const Image8& strings = Generated(PICTURE_STRINGS).canvas.image;
    for (AtlasId id : {ATLAS_CLOCK_DIGIT, ATLAS_STAGE_NUMBER_DIGIT, ATLAS_BEST_TIME_DIGIT, ATLAS_RESULT_DIGIT}) {
        for (int32_t a = 0; a < 10; ++a) {
            for (int32_t b = a + 1; b < 10; ++b) {
                EXPECT_FALSE(SamePixels(strings, AtlasMember(id, a, 0), AtlasMember(id, b, 0)))
                    << g_atlas[id].label << " " << a << " and " << b;
            }
        }
    }
}
