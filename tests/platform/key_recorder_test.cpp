// The key recorder writes runs of held keys that the simulator reads back,
// and marks every frame shown faded out (all black but the white entry 255).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "key_recorder.h"
#include "seam.h"
#include "input_script.h"
#include "support/game_env.h"

namespace {

TEST(KeyRecorder, WritesRunsOfHeldKeysThatReadBackAsTheSameScript)
{
    ScratchFolder folder;
    seam::Reset();
    PALETTEENTRY lit[256] = {};
    lit[7].peGreen = 40;
    PALETTEENTRY black[256] = {};
    black[255] = {255, 255, 255, 0};
    ASSERT_TRUE(plat::OpenKeyRecord("keys.txt"));
    plat::RecordHeldKeys(lit);
    plat::RecordHeldKeys(black);
    seam::SetKeyDown(VK_RIGHT, true);
    seam::SetKeyDown('Z', true);
    for (int i = 0; i < 3; i++) {
        plat::RecordHeldKeys(lit);
    }
    seam::SetKeyDown('Z', false);
    plat::RecordHeldKeys(lit);
    plat::CloseKeyRecord();

    std::ifstream file("keys.txt");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "- 2\n# black\nRZ 3\nR 1\n");
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript(text.str(), steps, error)) << error;
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_TRUE(steps[1].untilBlack);
    EXPECT_EQ(ScriptKeys(steps[2].keys), "RZ");
    EXPECT_EQ(steps[2].frames, 3);
}

}  // namespace
