// What the hand-drawn CHARA pictures must respect to fit the rules: the frog
// stands on the bottom row of its picture, where its hit box ends, and the
// ice block's three pictures stay inside the hit box of their size.
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
