// The simulator's input scripts: keys held for a number of frames.
#include <gtest/gtest.h>
#include <windows.h>

#include "input_script.h"

namespace {

TEST(SimScript, ReadsKeysAndFramesSkippingCommentsAndBlankLines)
{
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript("# clear time 1234\n\n- 13\r\nRZ 4\nLRUDZXC 0\n", steps, error)) << error;
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_TRUE(steps[0].keys.empty());
    EXPECT_EQ(steps[0].frames, 13);
    EXPECT_EQ(steps[1].keys, (std::vector<int>{VK_RIGHT, 'Z'}));
    EXPECT_EQ(ScriptKeys(steps[2].keys), "LRUDZXC");
    EXPECT_EQ(ScriptKeys({}), "-");
}

TEST(SimScript, NamesTheFirstBadLine)
{
    const char* bad[] = {"R\n", "Q 3\n", "R -1\n", "R 3 4\n", "R 99999999\n", "R 1x\n"};
    for (const char* text : bad) {
        std::vector<ScriptStep> steps;
        std::string error;
        EXPECT_FALSE(ParseScript(std::string("- 1\n") + text, steps, error)) << text;
        EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
    }
}

}  // namespace
