// The shape masks and the lettering built on them: growing, shrinking and
// rounding keep to their brush, rims lie just outside their shape, and a
// text's mask spans exactly the width and height the layouts centre by,
// with strokes made fatter by the weight and missing glyphs counted.
#include <gtest/gtest.h>

#include "generated_pictures.h"
#include "lettering.h"
#include "mask.h"

static Mask Square(int32_t size)
{
    Mask mask = MakeMask({-20, -20, size + 20, size + 20});
    MaskBox(mask, {0, 0, size, size}, true);
    return mask;
}

TEST(Masks, GrowingShrinkingAndRimsKeepToTheirBrush)
{
    Mask square = Square(10);
    EXPECT_EQ(MaskCount(square), 100);
    Mask grown = Dilate(square, 2);
    EXPECT_TRUE(MaskAt(grown, -2, 5));
    EXPECT_TRUE(MaskAt(grown, 10, 10));
    EXPECT_FALSE(MaskAt(grown, 11, 11)) << "a round brush leaves the corners";
    EXPECT_FALSE(MaskAt(grown, 12, 5));
    EXPECT_EQ(MaskCount(Erode(square, 2)), 36);
    Mask rim = Rim(square, 1);
    EXPECT_EQ(MaskCount(rim), 40) << "one pixel round each side, corners left out";
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 10; ++x) {
            EXPECT_FALSE(MaskAt(rim, x, y));
        }
    }
}

// The glyphs' blocks meet at their corners where strokes turn; rounding
// must join them there rather than leave a pinch.
TEST(Masks, RoundingCutsCornersAndJoinsBlocksThatMeetAtACorner)
{
    Mask rounded = RoundOff(Square(16), 3);
    EXPECT_FALSE(MaskAt(rounded, 0, 0));
    EXPECT_TRUE(MaskAt(rounded, 8, 0));
    EXPECT_TRUE(MaskAt(rounded, 8, 8));
    Mask blocks = Square(10);
    MaskBox(blocks, {10, 10, 20, 20}, true);
    Mask joined = RoundOff(blocks, 2);
    EXPECT_TRUE(MaskAt(joined, 10, 9));
    EXPECT_TRUE(MaskAt(joined, 9, 10));
    EXPECT_FALSE(MaskAt(joined, 14, 4));
    Mask moved = Shifted(Square(4), 5, -3);
    EXPECT_TRUE(MaskAt(moved, 5, -3));
    EXPECT_FALSE(MaskAt(moved, 0, 0));
}

TEST(Masks, PolygonsAndEllipsesCoverTheirArea)
{
    Mask triangle = MakeMask({0, 0, 20, 20});
    MaskPolygon(triangle, {{0, 0}, {20, 0}, {0, 20}}, true);
    EXPECT_NEAR(MaskCount(triangle), 200, 12);
    Mask disc = MakeMask({0, 0, 40, 40});
    MaskEllipse(disc, 20, 20, 10, 10, true);
    EXPECT_NEAR(MaskCount(disc), 314, 12);
    MaskEllipse(disc, 20, 20, 5, 5, false);
    EXPECT_NEAR(MaskCount(disc), 236, 12);
}

static AtlasBox LitBounds(const Mask& mask)
{
    AtlasBox bounds = {mask.box.right, mask.box.bottom, mask.box.left, mask.box.top};
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            if (MaskAt(mask, x, y)) {
                bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                          std::max(bounds.bottom, y + 1)};
            }
        }
    }
    return bounds;
}

TEST(Lettering, TextMasksSpanTheWidthAndHeightTheLayoutsUse)
{
    const PixelFont& font = TreeAssets().large;
    const TypeSize sizes[] = {{1, 1, 1, 0, 0}, {3, 3, 3, 1, 1}, {13, 12, 0, 3, 4}};
    for (const TypeSize& size : sizes) {
        for (const std::string text : {"EXIT", "STAGE SELECT", "L"}) {
            int32_t missing = 0;
            Mask mask = TypeMask(font, text, 10, 20, size, &missing);
            AtlasBox lit = LitBounds(mask);
            EXPECT_EQ(missing, 0);
            EXPECT_EQ(lit.left, 10) << text << " block " << size.blockW;
            EXPECT_EQ(lit.top, 20) << text << " block " << size.blockW;
            EXPECT_EQ(lit.right - lit.left, TypeWidth(font, text, size)) << text << " block " << size.blockW;
            EXPECT_EQ(lit.bottom - lit.top, TypeHeight(font, size)) << text << " block " << size.blockW;
        }
    }
}

TEST(Lettering, WeightFattensStrokesAndMissingGlyphsAreCounted)
{
    const PixelFont& font = TreeAssets().large;
    int32_t missing = 0;
    Mask thin = TypeMask(font, "I", 0, 0, {3, 3, 3, 0, 0}, &missing);
    Mask fat = TypeMask(font, "I", 0, 0, {3, 3, 3, 0, 2}, &missing);
    EXPECT_EQ(TypeWidth(font, "I", {3, 3, 3, 0, 2}), TypeWidth(font, "I", {3, 3, 3, 0, 0}) + 4);
    EXPECT_GT(MaskCount(fat), MaskCount(thin) * 2);
    EXPECT_EQ(missing, 0);
    TypeMask(font, "A~B{", 0, 0, {1, 1, 1, 0, 0}, &missing);
    EXPECT_EQ(missing, 2);
    EXPECT_EQ(TypeWidth(font, "", {3, 3, 3, 0, 0}), 0);
}
