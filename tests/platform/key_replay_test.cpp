// The key replay holds each step's keys for its frames, waits at a black mark
// for a black frame, and hands the keys back to the keyboard at its end.
#include <gtest/gtest.h>

#include <string>

#include "key_replay.h"
#include "seam.h"
#include "support/game_env.h"

namespace {

class KeyReplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        seam::Reset();
        lit_[3].peBlue = 90;
        black_[255] = {255, 255, 255, 0};
    }
    void TearDown() override { plat::CloseKeyReplay(); }

    void Open(const std::string& script)
    {
        folder_.WriteFile("replay.txt", script);
        std::string error;
        ASSERT_TRUE(plat::OpenKeyReplay("replay.txt", error)) << error;
    }
    // The keys the game sees in one frame, then that frame is presented.
    std::string Frame(const PALETTEENTRY* shown)
    {
        std::string held;
        for (int key : {VK_LEFT, VK_RIGHT, (int)'Z', (int)'X'}) {
            held += GetAsyncKeyState(key) & 0x8000 ? "1" : "0";
        }
        plat::AdvanceKeyReplay(shown);
        return held;
    }

    ScratchFolder folder_;
    PALETTEENTRY lit_[256] = {};
    PALETTEENTRY black_[256] = {};
};

TEST_F(KeyReplay, HoldsEachStepForItsFramesThenHandsOverToTheKeyboard)
{
    Open("# a comment\nR 2\n- 0\nRZ 1\n");
    seam::SetKeyDown('X', true);
    EXPECT_EQ(Frame(lit_), "0100");
    EXPECT_EQ(Frame(lit_), "0100");
    EXPECT_EQ(Frame(lit_), "0110");
    EXPECT_EQ(Frame(lit_), "0001");
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);
}

TEST_F(KeyReplay, BlackMarkHoldsNoKeysUntilABlackFrameIsShown)
{
    Open("Z 1\n# black\nL 1\n# black\n# black\nX 1\n");
    EXPECT_EQ(Frame(lit_), "0010");
    EXPECT_EQ(Frame(lit_), "0000");
    EXPECT_EQ(Frame(lit_), "0000");
    EXPECT_EQ(Frame(black_), "0000");
    EXPECT_EQ(Frame(black_), "1000");
    EXPECT_EQ(Frame(black_), "0000");
    EXPECT_EQ(Frame(black_), "0000");
    EXPECT_EQ(Frame(lit_), "0001");
}

TEST_F(KeyReplay, RefusesAScriptWithABadLineNamingIt)
{
    std::string error;
    EXPECT_FALSE(plat::OpenKeyReplay("no-such-replay.txt", error));
    EXPECT_EQ(error, "cannot read the file");
    folder_.WriteFile("bad.txt", "R 3\nQ 1\n");
    EXPECT_FALSE(plat::OpenKeyReplay("bad.txt", error));
    EXPECT_EQ(error, "line 2: keys must be letters of LRUDZXC or -");
}

}  // namespace
