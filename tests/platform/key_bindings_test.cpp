// Key bindings: names, key lists, and which physical key a binding holds on
// keyboards whose letters sit elsewhere.
#include <gtest/gtest.h>

#include <windows.h>

#include "key_bindings.h"

namespace {

// A French keyboard: A and Q, Z and W trade places, M sits right of L.
SDL_Scancode FrenchLayout(SDL_Keycode key)
{
    switch (key) {
    case SDLK_a: return SDL_SCANCODE_Q;
    case SDLK_q: return SDL_SCANCODE_A;
    case SDLK_z: return SDL_SCANCODE_W;
    case SDLK_w: return SDL_SCANCODE_Z;
    case SDLK_m: return SDL_SCANCODE_SEMICOLON;
    default: return plat::SystemLayout(key);
    }
}

class KeyBindingsTest : public testing::Test {
protected:
    void SetUp() override { plat::g_keyBindings = plat::DefaultKeyBindings(); }
    void TearDown() override
    {
        plat::g_keyBindings = plat::DefaultKeyBindings();
        plat::SetKeyboardLayout(NULL);
    }
    bool HeldWith(SDL_Scancode scancode, int virtualKey)
    {
        Uint8 keyboard[SDL_NUM_SCANCODES] = {};
        keyboard[scancode] = 1;
        return plat::BoundKeyHeld(virtualKey, keyboard);
    }
};

TEST_F(KeyBindingsTest, OnAFrenchKeyboardTheKeyLabelledZConfirms)
{
    plat::SetKeyboardLayout(FrenchLayout);
    EXPECT_TRUE(HeldWith(SDL_SCANCODE_W, 'Z')) << "the key labelled Z";
    EXPECT_FALSE(HeldWith(SDL_SCANCODE_Z, 'Z')) << "where Z is on an English keyboard: labelled W";
    EXPECT_TRUE(HeldWith(SDL_SCANCODE_X, 'X'));
    EXPECT_TRUE(HeldWith(SDL_SCANCODE_LEFT, VK_LEFT)) << "the arrows keep their place";
    // The key's own event carries its label, so messages follow it the same way.
    EXPECT_EQ(plat::BoundVirtualKey(SDLK_z), 'Z');
    EXPECT_EQ(plat::BoundVirtualKey(SDLK_w), 0);

    plat::g_keyBindings.keys[plat::ACTION_LEFT][0] = SDLK_q;
    EXPECT_TRUE(HeldWith(SDL_SCANCODE_A, VK_LEFT)) << "Q is where A is on an English keyboard";
    EXPECT_FALSE(HeldWith(SDL_SCANCODE_LEFT, VK_LEFT)) << "rebound away from the arrow";
}

TEST_F(KeyBindingsTest, QuitHasTwoKeysAndARebindingFreesTheOldKey)
{
    EXPECT_EQ(plat::BoundVirtualKey(SDLK_ESCAPE), VK_ESCAPE);
    EXPECT_EQ(plat::BoundVirtualKey(SDLK_F12), VK_ESCAPE);
    EXPECT_TRUE(HeldWith(SDL_SCANCODE_F12, VK_ESCAPE));

    plat::g_keyBindings.keys[plat::ACTION_CONFIRM][0] = SDLK_SPACE;
    plat::g_keyBindings.keys[plat::ACTION_CONFIRM][1] = SDLK_RETURN;
    EXPECT_EQ(plat::BoundVirtualKey(SDLK_z), 0);
    EXPECT_EQ(plat::BoundVirtualKey(SDLK_RETURN), 'Z');
    EXPECT_TRUE(HeldWith(SDL_SCANCODE_SPACE, 'Z'));
    EXPECT_FALSE(HeldWith(SDL_SCANCODE_Z, 'Z'));
    EXPECT_FALSE(HeldWith(SDL_SCANCODE_A, 'A')) << "a key the game has no action for";
}

TEST(KeyLists, NamesAsSdlWritesThem)
{
    SDL_Keycode keys[plat::KEYS_PER_ACTION];
    std::string error;
    ASSERT_TRUE(plat::ParseKeyList("Left Shift , Return", keys, error));
    EXPECT_EQ(keys[0], SDLK_LSHIFT);
    EXPECT_EQ(keys[1], SDLK_RETURN);
    EXPECT_EQ(plat::FormatKeyList(keys), "Left Shift, Return");
    ASSERT_TRUE(plat::ParseKeyList("z", keys, error)) << "a letter in either case";
    EXPECT_EQ(keys[0], SDLK_z);
    EXPECT_EQ(keys[1], SDLK_UNKNOWN);
    EXPECT_EQ(plat::FormatKeyList(keys), "Z");

    keys[0] = SDLK_a;
    EXPECT_FALSE(plat::ParseKeyList("Zed", keys, error));
    EXPECT_NE(error.find("\"Zed\""), std::string::npos);
    EXPECT_FALSE(plat::ParseKeyList("A, B, C", keys, error));
    EXPECT_FALSE(plat::ParseKeyList("", keys, error));
    EXPECT_FALSE(plat::ParseKeyList("A,", keys, error));
    EXPECT_EQ(keys[0], SDLK_a) << "a failed list leaves the binding alone";
}

}  // namespace
