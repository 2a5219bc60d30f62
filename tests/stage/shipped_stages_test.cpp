// The game, started in the source tree, offers exactly the stages shipped in map/.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/app_state.h"
#include "app/main_window.h"
#include "support/game_env.h"

namespace {

TEST(ShippedStages, TheStageCountAtStartUpIsTheNumberOfMapFiles)
{
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    ASSERT_EQ(chdir(SOURCE_DIR), 0);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator("map")) {
        std::string name = entry.path().filename().string();
        files += name.rfind("map", 0) == 0 && entry.path().extension() == ".map";
    }
    ResetGame();
    ASSERT_NE(InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT), nullptr);
    EXPECT_EQ(g_stageCount, files);
    EXPECT_EQ(g_openStageCount, files);
    ASSERT_EQ(chdir(here), 0);
}

}  // namespace
