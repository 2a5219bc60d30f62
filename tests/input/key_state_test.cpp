// Keyboard sampling into the game keys and the latch rule shared by screens.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "input/input.h"
#include "seam.h"
#include "support/game_env.h"

namespace {

const int GAME_KEYS[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, 'Z', 'X', 'C'};

TEST(Keyboard, EachGameKeyLandsInItsOwnSlotAndOtherKeysAreNeverWritten)
{
    ResetGame();
    for (int key : GAME_KEYS) {
        seam::SetKeyDown(key, true);
        EXPECT_EQ(ReadInput(), 1);
        for (int slot = 0; slot < 256; slot++) {
            EXPECT_EQ(g_key[slot], slot == key ? 1 : 0) << "key " << key << " slot " << slot;
        }
        seam::SetKeyDown(key, false);
    }
    seam::SetKeyDown(VK_RETURN, true);
    seam::SetKeyDown('A', true);
    ReadInput();
    EXPECT_EQ(g_key[VK_RETURN], 0);
    EXPECT_EQ(g_key['A'], 0);
}

TEST(Keyboard, OppositeArrowsHeldTogetherAreBothSetAndReleaseClears)
{
    ResetGame();
    seam::SetKeyDown(VK_LEFT, true);
    seam::SetKeyDown(VK_RIGHT, true);
    seam::SetKeyDown(VK_UP, true);
    seam::SetKeyDown(VK_DOWN, true);
    ReadInput();
    EXPECT_EQ(g_key[VK_LEFT], 1);
    EXPECT_EQ(g_key[VK_RIGHT], 1);
    EXPECT_EQ(g_key[VK_UP], 1);
    EXPECT_EQ(g_key[VK_DOWN], 1);
    seam::SetKeyDown(VK_LEFT, false);
    ReadInput();
    EXPECT_EQ(g_key[VK_LEFT], 0);
    EXPECT_EQ(g_key[VK_RIGHT], 1);
}

TEST(Latch, APressActsOnceUntilReleased)
{
    ResetGame();
    seam::SetKeyDown('Z', true);
    ReadInput();
    EXPECT_EQ(TakeKeyPress('Z'), 1);
    EXPECT_EQ(g_keyLatch['Z'], 1);
    ReadInput();
    EXPECT_EQ(TakeKeyPress('Z'), 0) << "still held";
    seam::SetKeyDown('Z', false);
    ReadInput();
    EXPECT_EQ(TakeKeyPress('Z'), 0);
    EXPECT_EQ(g_keyLatch['Z'], 0);
    seam::SetKeyDown('Z', true);
    ReadInput();
    EXPECT_EQ(TakeKeyPress('Z'), 1) << "pressed anew";
}

TEST(Latch, APressThatActedOnOneScreenDoesNotActOnTheNextUntilReleased)
{
    ResetGame();
    seam::SetKeyDown(VK_DOWN, true);
    ReadInput();
    EXPECT_EQ(TakeKeyPress(VK_DOWN), 1) << "first screen";
    // The next screen starts while the key is still held.
    for (int frame = 0; frame < 3; frame++) {
        ReadInput();
        EXPECT_EQ(TakeKeyPress(VK_DOWN), 0) << "second screen, frame " << frame;
    }
    seam::SetKeyDown(VK_DOWN, false);
    ReadInput();
    TakeKeyPress(VK_DOWN);
    seam::SetKeyDown(VK_DOWN, true);
    ReadInput();
    EXPECT_EQ(TakeKeyPress(VK_DOWN), 1);
}

TEST(Latch, ALatchSetOnEntryIgnoresAKeyHeldFromBefore)
{
    ResetGame();
    seam::SetKeyDown('Z', true);
    g_keyLatch['Z'] = 1;
    ReadInput();
    EXPECT_EQ(TakeKeyPress('Z'), 0);
    seam::SetKeyDown('Z', false);
    ReadInput();
    EXPECT_EQ(TakeKeyPress('Z'), 0);
    seam::SetKeyDown('Z', true);
    ReadInput();
    EXPECT_EQ(TakeKeyPress('Z'), 1);
}

TEST(Latch, AConditionHoldsBackThePressButAReleaseAlwaysClears)
{
    ResetGame();
    seam::SetKeyDown('Z', true);
    ReadInput();
    EXPECT_EQ(TakeKeyPressIf('Z', 0), 0);
    EXPECT_EQ(g_keyLatch['Z'], 0) << "a held-back press is not latched";
    EXPECT_EQ(TakeKeyPressIf('Z', 1), 1) << "so it acts once the condition allows";
    EXPECT_EQ(TakeKeyPressIf('Z', 1), 0);
    seam::SetKeyDown('Z', false);
    ReadInput();
    EXPECT_EQ(TakeKeyPressIf('Z', 0), 0);
    EXPECT_EQ(g_keyLatch['Z'], 0);
}

}  // namespace
