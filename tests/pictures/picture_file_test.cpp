// The BMP files: header fields, colour tables, the game palette's key colour,
// the sources' error reporting, and byte-for-byte repeatable output.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "bmp_file.h"
#include "generated_pictures.h"
#include "palette_file.h"
#include "picture_build.h"

static int32_t Distance(const Rgb& c, int r, int g, int b)
{
    return (c.r - r) * (c.r - r) + (c.g - g) * (c.g - g) + (c.b - b) * (c.b - b);
}

TEST(PictureFile, HeadersDescribeAn8BitBottomUpBitmapOfThePictureSize)
{
    for (int32_t p = 0; p < PICTURE_COUNT; ++p) {
        const AtlasPictureInfo& info = g_atlasPictures[p];
        const BmpFields& bmp = Generated(static_cast<AtlasPicture>(p)).bmp;
        uint32_t stride = (static_cast<uint32_t>(info.width) + 3) & ~3u;
        SCOPED_TRACE(info.name);
        EXPECT_EQ(bmp.type, 0x4D42);
        EXPECT_EQ(bmp.fileSize, Generated(static_cast<AtlasPicture>(p)).bytes.size());
        EXPECT_EQ(bmp.fileSize, 14 + 40 + 1024 + stride * info.height);
        EXPECT_EQ(bmp.reserved, 0u);
        EXPECT_EQ(bmp.pixelOffset, 14u + 40u + 1024u);
        EXPECT_EQ(bmp.infoSize, 40u);
        EXPECT_EQ(bmp.width, info.width);
        EXPECT_EQ(bmp.height, info.height);
        EXPECT_EQ(bmp.planes, 1);
        EXPECT_EQ(bmp.bitCount, 8);
        EXPECT_EQ(bmp.compression, 0u);
        EXPECT_EQ(bmp.imageSize, stride * info.height);
        EXPECT_EQ(bmp.coloursUsed, 0u);
        EXPECT_EQ(bmp.coloursImportant, 0u);
    }
}

TEST(PictureFile, RowsAreStoredBottomUp)
{
    const GeneratedPicture& g = Generated(PICTURE_STRINGS);
    EXPECT_EQ(g.bmp.pixels, g.canvas.image.pixels);
    int32_t x = 0;
    while (x < 600 && PixelAt(g.canvas.image, x, 0) == PixelAt(g.canvas.image, x, 1264)) {
        ++x;
    }
    ASSERT_LT(x, 600) << "no column whose top and bottom pixels differ";
    EXPECT_EQ(g.bytes[g.bmp.pixelOffset + x], PixelAt(g.canvas.image, x, 1264));
}

TEST(PictureFile, GamePaletteKeepsTheKeyColourApart)
{
    const Palette& game = TreeAssets().game;
    EXPECT_EQ(Distance(game[0], 0, 0, 0), 0);
    EXPECT_EQ(Distance(game[255], 255, 255, 255), 0);
    EXPECT_EQ(Distance(game[47], 24, 136, 88), 0);
    for (int i = 0; i < 256; ++i) {
        for (int j = i + 1; j < 256; ++j) {
            EXPECT_GT(Distance(game[i], game[j].r, game[j].g, game[j].b), 0) << i << " and " << j;
        }
        if (i != 47) {
            EXPECT_GT(Distance(game[i], 20, 140, 92), Distance(game[47], 20, 140, 92)) << "entry " << i;
        }
    }
}

TEST(PictureFile, KeyedPicturesCarryTheGamePaletteAndTheOthersTheirOwn)
{
    const Palette& game = TreeAssets().game;
    for (int32_t p = 0; p < PICTURE_COUNT; ++p) {
        const BmpFields& bmp = Generated(static_cast<AtlasPicture>(p)).bmp;
        int32_t same = 0;
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(bmp.table[i][3], 0);
            same += bmp.table[i][0] == game[i].b && bmp.table[i][1] == game[i].g && bmp.table[i][2] == game[i].r;
        }
        EXPECT_EQ(same == 256, g_atlasPictures[p].keyed == 1) << g_atlasPictures[p].name;
        if (g_atlasPictures[p].keyed == 1) {
            EXPECT_EQ(bmp.table[47][2], 24) << g_atlasPictures[p].name;
            EXPECT_EQ(bmp.table[47][1], 136) << g_atlasPictures[p].name;
            EXPECT_EQ(bmp.table[47][0], 88) << g_atlasPictures[p].name;
        }
    }
}

TEST(PictureFile, OutputIsRepeatableByteForByte)
{
    for (int32_t p = 0; p < PICTURE_COUNT; ++p) {
        Canvas again = BuildPicture(static_cast<AtlasPicture>(p), TreeAssets());
        EXPECT_EQ(EncodeBmp(again.image), Generated(static_cast<AtlasPicture>(p)).bytes) << g_atlasPictures[p].name;
    }
    std::string path = testing::TempDir() + "mkpictures_chara.bmp";
    ASSERT_TRUE(WriteFileBytes(path, Generated(PICTURE_CHARA).bytes));
    EXPECT_EQ(ReadFileBytes(path), Generated(PICTURE_CHARA).bytes);
    std::remove(path.c_str());
}

static std::string WriteTemp(const std::string& name, const std::string& text)
{
    std::string path = testing::TempDir() + name;
    std::ofstream(path.c_str()) << text;
    return path;
}

TEST(PictureFile, MalformedSourcesAreRefusedWithAReason)
{
    Palette palette;
    std::string error;
    std::string lines;
    for (int i = 0; i < 255; ++i) {
        lines += "1 2 3\n";
    }
    EXPECT_FALSE(LoadPaletteFile(WriteTemp("short.txt", "# ramp\n" + lines), &palette, &error));
    EXPECT_NE(error.find("255 colours"), std::string::npos) << error;
    EXPECT_FALSE(LoadPaletteFile(WriteTemp("range.txt", lines + "1 256 3\n"), &palette, &error));
    EXPECT_FALSE(LoadPaletteFile(WriteTemp("extra.txt", lines + "1 2 3 4\n"), &palette, &error));
    EXPECT_TRUE(LoadPaletteFile(WriteTemp("good.txt", lines + "\n9 8 7\n"), &palette, &error)) << error;
    EXPECT_EQ(palette[255].r, 9);

    PixelFont font;
    EXPECT_FALSE(LoadPixelFont(WriteTemp("cut.txt", "size 3 2\n= A\n#.#\n"), &font, &error));
    EXPECT_FALSE(LoadPixelFont(WriteTemp("wide.txt", "size 3 2\n= A\n#.##\n###\n"), &font, &error));
    EXPECT_TRUE(LoadPixelFont(WriteTemp("font.txt", "// two\nsize 3 2\n= A\n#.#\n###\n= space\n...\n...\n"), &font,
                              &error))
        << error;
    EXPECT_EQ(font.glyphs.size(), 2u);
    Assets assets;
    EXPECT_FALSE(LoadAssets(testing::TempDir() + "no_such_assets", &assets, &error));
    EXPECT_NE(error.find("no_such_assets"), std::string::npos) << error;
}
