// Focus and minimising: a window that loses the focus keeps running with no
// key held; full screen and minimising stop the game; sound follows.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/frame.h"
#include "input/input.h"
#include "seam.h"
#include "support/game_env.h"
#include "window_focus.h"

namespace {

bool Held(int virtualKey)
{
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

TEST(WindowFocus, AWindowWithoutFocusRunsOnWithEveryKeyReleased)
{
    HWND window = StartDisplay();
    ASSERT_NE(window, nullptr);
    seam::SetKeyDown(VK_RIGHT, true);
    seam::SetKeyDown('X', true);
    ASSERT_TRUE(Held(VK_RIGHT));

    plat::WindowFocusChanged(false, false);
    EXPECT_EQ(g_active, 1) << "the game keeps running and drawing";
    EXPECT_FALSE(Held(VK_RIGHT));
    EXPECT_FALSE(Held('X'));
    ReadInput();
    EXPECT_EQ(g_key[VK_RIGHT], 0) << "the frame's own reading sees no key either";

    plat::WindowFocusChanged(true, false);
    EXPECT_EQ(g_active, 1);
    EXPECT_TRUE(Held(VK_RIGHT)) << "a key still held when the focus is back reads held again";
}

TEST(WindowFocus, FullScreenAndMinimisingStopTheGameUntilItIsBack)
{
    HWND window = StartDisplay();
    ASSERT_NE(window, nullptr);
    plat::WindowFocusChanged(false, true);
    EXPECT_EQ(g_active, 0);
    plat::WindowFocusChanged(true, true);
    EXPECT_EQ(g_active, 1);

    plat::WindowMinimisedChanged(true);
    EXPECT_EQ(g_active, 0);
    plat::WindowFocusChanged(true, false);
    EXPECT_EQ(g_active, 0) << "focus alone does not bring a minimised window back";
    plat::WindowMinimisedChanged(false);
    EXPECT_EQ(g_active, 1);
}

}  // namespace
