// LoadStageMap on real files: the stage number picks the file, faults are
// told to the debugger with file and line, a missing file gives empty cells.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_state.h"
#include "stage/board.h"
#include "stage/items.h"
#include "stage/map_file.h"
#include "stage/map_loading.h"
#include "stage/play_state.h"
#include "stage/tiles.h"
#include "seam.h"
#include "support/game_env.h"

namespace {

TEST(LoadStageMap, ReadsTheFileOfTheCurrentStage)
{
    ResetGame();
    ScratchFolder folder;
    folder.WriteFile("map/map12.map", WalledMap({"X3K1"}, "42"));
    g_stageNo = 12;
    g_now = 777;
    LoadStageMap();
    EXPECT_EQ(g_frogX, 4 * 24);
    EXPECT_EQ(g_frogY, 2 * 24);
    EXPECT_EQ(g_itemCount, 1);
    EXPECT_EQ(g_board[0][0].level, 3);
    EXPECT_EQ(g_board[1][0].tile, TILE_TAP);
    EXPECT_EQ(g_board[9][9].animTime, 777);
    EXPECT_TRUE(seam::DebugLines().empty());
}

TEST(LoadStageMap, TellsTheDebuggerWhichLineOfWhichFileWasSkipped)
{
    ResetGame();
    ScratchFolder folder;
    std::string map = WalledMap({});
    map.insert(map.find('\n', 3), "1010");
    folder.WriteFile("map/map3.map", map);
    g_stageNo = 3;
    LoadStageMap();
    EXPECT_TRUE(HasDebugLine("map/map3.map line 2: line longer than 25 cells (rest of the line skipped)\n"));
    EXPECT_EQ(seam::DebugLines().size(), 1u);
    EXPECT_EQ(g_board[24][0].tile, TILE_WALL);
}

// A folder in the map's place reads as missing too, rather than as a map
// whose frog starts outside the board.
TEST(LoadStageMap, MissingOrUnreadableFileGivesABoardOfEmptyCells)
{
    ResetGame();
    ScratchFolder folder;
    std::filesystem::create_directories("map/map3.map");
    g_stageNo = 3;
    LoadStageMap();
    EXPECT_TRUE(HasDebugLine("Could not open map/map3.map\n"));
    EXPECT_EQ(seam::DebugLines().size(), 1u);
    seam::Reset();
    LoadMapText(WalledMap({"X1K1F1A1"}, "55"));
    g_stageNo = 2;
    LoadStageMap();
    EXPECT_TRUE(HasDebugLine("Could not open map/map2.map\n"));
    EXPECT_EQ(seam::DebugLines().size(), 1u);
    EXPECT_EQ(g_itemCount, 0);
    EXPECT_EQ(g_frogX, 0);
    EXPECT_EQ(g_frogY, 0);
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            ASSERT_EQ(g_board[x][y].tile, TILE_EMPTY);
            ASSERT_EQ(g_board[x][y].active, 0);
        }
    }
}

}  // namespace
