// The sprite sources: legends and grids read into the rectangles they name,
// mirrors, every fault refused with its line, and the drawn pictures pasted
// over the placeholders at exactly their atlas rectangles.
#include <gtest/gtest.h>

#include "generated_pictures.h"
#include "ink_names.h"
#include "sprite_source.h"

static std::string Grid(int32_t width, int32_t height, char c)
{
    std::string rows;
    for (int32_t y = 0; y < height; ++y) {
        rows += std::string(static_cast<size_t>(width), c) + "\n";
    }
    return rows;
}

// The small 10 x 10 miniature of tile code 2, half white and half a ramp shade.
static const std::string HALF_AND_HALF = "colour w white\ncolour m metal 9\n# a comment\n\nsprite PREVIEW_TILE 2\n" +
                                         Grid(10, 10, 'w').replace(0, 5, "mmmmm");

static std::string FirstError(const std::string& text)
{
    std::vector<Sprite> sprites;
    std::string error;
    EXPECT_FALSE(ParseSprites(text, "test.txt", &sprites, &error)) << text;
    return error;
}

TEST(SpriteSource, InkNamesCoverKeyPlainIndicesAndRampShades)
{
    uint8_t ink = 1;
    EXPECT_TRUE(ParseInkName("key", &ink));
    EXPECT_EQ(ink, 47);
    EXPECT_TRUE(ParseInkName(" white ", &ink));
    EXPECT_EQ(ink, 254) << "entry 255 stays lit through the fades";
    EXPECT_TRUE(ParseInkName("200", &ink));
    EXPECT_EQ(ink, 200);
    EXPECT_TRUE(ParseInkName("frog 15", &ink));
    EXPECT_EQ(ink, 191);
    EXPECT_TRUE(ParseInkName("leaf 14", &ink));
    EXPECT_EQ(ink, 46);
    for (const char* bad : {"", "256", "leaf 15", "frog 16", "frog", "moss 3", "frog 2 3", "-1", "grey x"}) {
        EXPECT_FALSE(ParseInkName(bad, &ink)) << bad;
    }
}

TEST(SpriteSource, GridFillsTheNamedRectangleAndMirrorsFlipIt)
{
    std::vector<Sprite> sprites;
    std::string error;
    std::string text = HALF_AND_HALF + "mirror PREVIEW_TILE 3 0 from PREVIEW_TILE 2 0\n";
    ASSERT_TRUE(ParseSprites(text, "test.txt", &sprites, &error)) << error;
    ASSERT_EQ(sprites.size(), 2u);
    EXPECT_EQ(sprites[0].id, ATLAS_PREVIEW_TILE);
    EXPECT_EQ(sprites[0].member, 2);
    ASSERT_EQ(sprites[0].pixels.size(), 100u);
    EXPECT_EQ(sprites[0].pixels[4], 112 + 9);
    EXPECT_EQ(sprites[0].pixels[5], 254);
    EXPECT_EQ(sprites[1].member, 3);
    EXPECT_EQ(sprites[1].pixels[4], 254);
    EXPECT_EQ(sprites[1].pixels[5], 112 + 9);

    Image8 image = MakeImage(456, 198, 47, TreeAssets().game);
    PasteSprites(image, PICTURE_CHARA, sprites);
    PasteSprites(image, PICTURE_STRINGS, {sprites[0]});
    AtlasBox two = AtlasMember(ATLAS_PREVIEW_TILE, 2, 0);
    EXPECT_EQ(PixelAt(image, two.left, two.top), 112 + 9);
    EXPECT_EQ(PixelAt(image, two.right - 1, two.bottom - 1), 254);
    EXPECT_EQ(PixelAt(image, two.left - 1, two.top), 47);
    EXPECT_EQ(PixelAt(image, two.left, two.bottom), 47);
    AtlasBox three = AtlasMember(ATLAS_PREVIEW_TILE, 3, 0);
    EXPECT_EQ(PixelAt(image, three.left, three.top), 254);
    EXPECT_EQ(PixelAt(image, three.right - 1, three.top), 112 + 9);
}

TEST(SpriteSource, FaultsAreRefusedWithTheirLine)
{
    const struct {
        std::string text;
        const char* says;
    } cases[] = {
        {"colour w white\nsprite NO_SUCH_ENTRY\n", "test.txt:2: no atlas entry"},
        {"colour w white\nsprite PREVIEW_TILE 45\n", "no member 45"},
        {"colour w white\nsprite TILE 1 3\n" + Grid(24, 24, 'w'), "no member 1 frame 3"},
        {"colour w white\nsprite PREVIEW_TILE 1\n" + Grid(10, 9, 'w'), "test.txt:11: grid cut short"},
        {"colour w white\nsprite PREVIEW_TILE 1\n" + Grid(11, 10, 'w'), "row of 11 pixels, expected 10"},
        {"colour w white\nsprite PREVIEW_TILE 1\n" + Grid(10, 10, 'x'), "'x' is not in the legend"},
        {"colour ww white\n", "expected \"colour C NAME\""},
        {"colour w frog 16\n", "test.txt:1: expected \"colour C NAME\""},
        {"draw PREVIEW_TILE\n", "unknown line"},
        {HALF_AND_HALF + HALF_AND_HALF, "test.txt:20: this rectangle has a sprite already"},
        {HALF_AND_HALF + "mirror PREVIEW_TILE 3 0 from PREVIEW_TILE 4 0\n", "nothing of this size"},
        {HALF_AND_HALF + "mirror ITEM 0 0 from PREVIEW_TILE 2 0\n", "nothing of this size"},
        {HALF_AND_HALF + "mirror PREVIEW_TILE 3 from PREVIEW_TILE 2 0\n", "expected member and frame"},
    };
    for (const auto& c : cases) {
        std::string error = FirstError(c.text);
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

TEST(SpriteSource, MissingFolderHasNoSpritesAndTheTreeSpritesAllLoad)
{
    std::vector<Sprite> sprites;
    std::string error;
    EXPECT_TRUE(LoadSpriteFolder(testing::TempDir() + "no_such_sprites", &sprites, &error));
    EXPECT_TRUE(sprites.empty());
    EXPECT_FALSE(TreeAssets().sprites.empty());
}

// Every hand-drawn rectangle of CHARA shows its grid, pixel for pixel, over
// whatever placeholder was there.
TEST(SpriteSource, GeneratedPicturesShowEverySpriteAtItsRectangle)
{
    for (const Sprite& s : TreeAssets().sprites) {
        const Image8& image = Generated(g_atlas[s.id].picture).canvas.image;
        AtlasBox box = AtlasMember(s.id, s.member, s.frame);
        size_t at = 0;
        int32_t wrong = 0;
        for (int32_t y = box.top; y < box.bottom; ++y) {
            for (int32_t x = box.left; x < box.right; ++x) {
                wrong += PixelAt(image, x, y) != s.pixels[at++];
            }
        }
        EXPECT_EQ(wrong, 0) << g_atlas[s.id].label << " " << s.member << "/" << s.frame;
    }
}
