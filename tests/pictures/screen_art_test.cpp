// What the screen pictures must respect where the screens lay pictures on
// them: TITLE and SCORE are drawn unkeyed, so they hold no key colour; the
// unkeyed RANK IN, OUT OF RANKING and stage-number digits must meet the
// picture under them without a seam; the stage grid is opaque, as nothing
// is drawn under it; the frame leaves a plain plate under the clock; and
// the panels letter their entries in the rows the cursor stands in.
#include <gtest/gtest.h>

#include "generated_pictures.h"

static const uint8_t KEY = 47;

static int32_t CountKey(const Image8& image, const AtlasBox& box)
{
    int32_t count = 0;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            count += PixelAt(image, x, y) == KEY;
        }
    }
    return count;
}

TEST(ScreenArt, PicturesDrawnUnkeyedHoldNoKeyColour)
{
    EXPECT_EQ(CountKey(Generated(PICTURE_TITLE).canvas.image, {0, 0, 640, 480}), 0);
    EXPECT_EQ(CountKey(Generated(PICTURE_SCORE).canvas.image, {0, 0, 640, 480}), 0);
    const Image8& strings = Generated(PICTURE_STRINGS).canvas.image;
    for (AtlasId id : {ATLAS_RANK_IN, ATLAS_OUT_OF_RANKING, ATLAS_STAGE_GRID}) {
        EXPECT_EQ(CountKey(strings, AtlasMember(id, 0, 0)), 0) << g_atlas[id].label;
    }
    for (int32_t d = 0; d < 10; ++d) {
        EXPECT_EQ(CountKey(strings, AtlasMember(ATLAS_STAGE_NUMBER_DIGIT, d, 0)), 0) << "stage digit " << d;
    }
}

// Pixels along the edge of a picture laid at (x, y) that differ from the
// screen picture under them.
static int32_t Seam(const Image8& piece, const AtlasBox& source, const Image8& screen, int32_t x, int32_t y)
{
    int32_t differ = 0;
    int32_t width = source.right - source.left;
    int32_t height = source.bottom - source.top;
    for (int32_t dy = 0; dy < height; ++dy) {
        for (int32_t dx = 0; dx < width; ++dx) {
            bool edge = dx == 0 || dy == 0 || dx == width - 1 || dy == height - 1;
            differ += edge && PixelAt(piece, source.left + dx, source.top + dy) != PixelAt(screen, x + dx, y + dy);
        }
    }
    return differ;
}

TEST(ScreenArt, RankingPicturesMeetTheResultBoardWithoutASeam)
{
    const Image8& strings = Generated(PICTURE_STRINGS).canvas.image;
    const Image8& score = Generated(PICTURE_SCORE).canvas.image;
    for (int32_t rank = 1; rank <= 3; ++rank) {
        EXPECT_EQ(Seam(strings, AtlasMember(ATLAS_RANK_IN, 0, 0), score, 50, 190 + 50 * rank), 0) << "rank " << rank;
    }
    EXPECT_EQ(Seam(strings, AtlasMember(ATLAS_OUT_OF_RANKING, 0, 0), score, 50, 240), 0);
}

TEST(ScreenArt, StageNumberDigitsMeetTheirPlateWithoutASeam)
{
    const Image8& strings = Generated(PICTURE_STRINGS).canvas.image;
    const Image8& stage = Generated(PICTURE_STAGE).canvas.image;
    for (int32_t k = 0; k < 3; ++k) {
        for (int32_t d = 0; d < 10; ++d) {
            EXPECT_EQ(Seam(strings, AtlasMember(ATLAS_STAGE_NUMBER_DIGIT, d, 0), stage, 197 + 30 * k, 235), 0)
                << "digit " << d << " at place " << k;
        }
    }
}

TEST(ScreenArt, TheClockStandsOnAPlainPlate)
{
    const Image8& frame = Generated(PICTURE_FRAME).canvas.image;
    uint8_t plate = PixelAt(frame, 490, 468);
    EXPECT_NE(plate, KEY);
    int32_t other = 0;
    for (int32_t y = 468; y < 473; ++y) {
        for (int32_t x = 490; x < 598; ++x) {
            other += PixelAt(frame, x, y) != plate;
        }
    }
    EXPECT_EQ(other, 0);
}

// Lettering pixels (the gold ramp) to the right of the cursor in a row of
// a panel: rows start 44 pixels down the panel and stand 48 apart.
static int32_t GoldInRow(const AtlasBox& panel, int32_t row)
{
    const Image8& strings = Generated(PICTURE_STRINGS).canvas.image;
    int32_t gold = 0;
    for (int32_t y = panel.top + 44 + 48 * row; y < panel.top + 80 + 48 * row; ++y) {
        for (int32_t x = panel.left + 56; x < panel.left + 215; ++x) {
            uint8_t ink = PixelAt(strings, x, y);
            gold += ink >= 160 && ink < 176;
        }
    }
    return gold;
}

TEST(ScreenArt, PanelsLetterTheirEntriesInTheCursorRows)
{
    AtlasBox pause = AtlasMember(ATLAS_PAUSE_PANEL, 0, 0);
    AtlasBox option = AtlasMember(ATLAS_OPTION_PANEL, 0, 0);
    for (int32_t row = 0; row < 4; ++row) {
        EXPECT_GT(GoldInRow(pause, row), 100) << "pause row " << row;
        EXPECT_EQ(GoldInRow(option, row) > 100, row != 2) << "option row " << row;
    }
}

// The title menu's words start right of its cursor, row by row 34 apart.
TEST(ScreenArt, TitleMenuWordsStandBesideTheirCursorRows)
{
    const Image8& strings = Generated(PICTURE_STRINGS).canvas.image;
    AtlasBox menu = AtlasMember(ATLAS_TITLE_MENU, 0, 0);
    for (int32_t row = 0; row < 3; ++row) {
        int32_t drawn = 0;
        for (int32_t y = menu.top + 34 * row; y < menu.top + 34 * row + 30; ++y) {
            for (int32_t x = menu.left; x < menu.right; ++x) {
                drawn += PixelAt(strings, x, y) != KEY;
            }
        }
        EXPECT_GT(drawn, 300) << "row " << row;
    }
}
