// The key map between SDL and Windows virtual-key codes.
#include <gtest/gtest.h>

#include <windows.h>

#include "keymap.h"

namespace {

TEST(KeyMap, TheGamesKeysMapBothWays)
{
    const int keys[] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, 'Z', 'X', 'C', VK_ESCAPE, VK_F12, VK_RETURN};
    for (int key : keys) {
        SDL_Scancode scancode = plat::ScancodeOf(key);
        ASSERT_NE(scancode, SDL_SCANCODE_UNKNOWN) << key;
        EXPECT_EQ(plat::VirtualKeyOf(scancode), key);
    }
    EXPECT_EQ(plat::VirtualKeyOf(SDL_SCANCODE_Z), 'Z');
    EXPECT_EQ(plat::VirtualKeyOf(SDL_SCANCODE_0), '0');
    EXPECT_EQ(plat::VirtualKeyOf(SDL_SCANCODE_F12), VK_F12);
    EXPECT_EQ(plat::VirtualKeyOf(SDL_SCANCODE_APPLICATION), 0);
}

}  // namespace
