// Palette fades: call counts, arrival, and entry 255 left alone.
#include <gtest/gtest.h>

#include "support/game_env.h"
#include "video/display.h"
#include "video/draw.h"

namespace {

int CallsUntilArrival(int (*fade)(int), int step)
{
    for (int call = 1; call <= 1000; call++) {
        if (fade(step)) {
            return call;
        }
    }
    return -1;
}

void ExpectPalette(bool black)
{
    PALETTEENTRY entries[256];
    g_palette->GetEntries(0, 0, 256, entries);
    for (int i = 0; i < 255; i++) {
        PALETTEENTRY want = black ? PALETTEENTRY{0, 0, 0, g_paletteTarget[i].peFlags} : g_paletteTarget[i];
        ASSERT_EQ(memcmp(&entries[i], &want, sizeof want), 0) << "entry " << i;
    }
    EXPECT_EQ(memcmp(&entries[255], &g_paletteTarget[255], sizeof entries[255]), 0) << "entry 255 changed";
}

TEST(Fades, StepTwentyArrivesOnTheThirteenthCallBothWays)
{
    ASSERT_NE(StartDisplay(), nullptr);
    ASSERT_EQ(g_paletteTarget[255].peRed, 255);
    EXPECT_EQ(CallsUntilArrival(FadeOut, 20), 13);
    ExpectPalette(true);
    EXPECT_EQ(CallsUntilArrival(FadeIn, 20), 13);
    ExpectPalette(false);
}

TEST(Fades, StepFiveFromBlackArrivesOnTheFiftyFirstCall)
{
    ASSERT_NE(StartDisplay(), nullptr);
    SetPaletteBlack();
    ExpectPalette(true);
    EXPECT_EQ(CallsUntilArrival(FadeIn, 5), 51);
    ExpectPalette(false);
    EXPECT_EQ(CallsUntilArrival(FadeOut, 5), 51);
}

TEST(Fades, AtTheirEndTheyArriveAtOnceAndAboveTargetDropsInOneCall)
{
    ASSERT_NE(StartDisplay(), nullptr);
    EXPECT_EQ(FadeIn(20), 1);
    PALETTEENTRY entries[256];
    g_palette->GetEntries(0, 0, 256, entries);
    entries[3] = PALETTEENTRY{255, 255, 255, 0};
    g_palette->SetEntries(0, 0, 256, entries);
    EXPECT_EQ(FadeIn(20), 1);
    ExpectPalette(false);
    SetPaletteBlack();
    EXPECT_EQ(FadeOut(20), 1);
}

}  // namespace
