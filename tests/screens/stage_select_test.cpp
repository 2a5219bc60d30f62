// The stage select driven frame by frame: the cursor over the numbers that
// have maps, the covered grid, the preview, and leaving for play or title.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_window.h"
#include "input/input.h"
#include "screens/score_file.h"
#include "support/screen_driver.h"
#include "screens/stage_select.h"
#include "stage/map_file.h"
#include "stage/map_loading.h"
#include "stage/tiles.h"
#include "video/draw.h"

namespace {

class StageSelect : public ScreenDriver {
protected:
    void SetUp() override
    {
        ScreenDriver::SetUp();
        Stages(23);
    }
    void Stages(int count)
    {
        g_stageCount = g_openStageCount = count;
        g_stageNo = 1;
    }
    // Enters the screen and runs it until its fade-in is over.
    void Enter()
    {
        g_scene = SCENE_SELECT_INIT;
        for (int i = 0; i < 20 && (g_scene != SCENE_SELECT || g_selectFadeIn); i++) {
            Frame();
        }
        ASSERT_EQ(g_selectFadeIn, 0);
    }
    std::vector<int> PreviewRow(const int grid[BOARD_COLUMNS][BOARD_ALL_ROWS], int y, int cells)
    {
        std::vector<int> row;
        for (int x = 0; x < cells; x++) {
            row.push_back(grid[x][y]);
        }
        return row;
    }
    bool PreviewEmpty()
    {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            for (int y = 0; y < BOARD_ROWS; y++) {
                if (g_previewTile[x][y] != TILE_EMPTY || g_previewLevel[x][y] != 0) {
                    return false;
                }
            }
        }
        return true;
    }
    bool CoverShown(int s)
    {
        return FrameShows(g_stringsImg, AtlasRect(ATLAS_STAGE_COVER), 34 + 25 * (s % 10), 299 + 20 * (s / 10), true);
    }
};

TEST_F(StageSelect, TheCursorWrapsWithinTheStagesThatHaveMaps)
{
    struct Move {
        int from;
        int key;
        int to;
    };
    const Move moves[] = {
        {23, VK_RIGHT, 1}, {1, VK_LEFT, 23}, {3, VK_UP, 23},  {4, VK_UP, 14},    {15, VK_DOWN, 5},
        {13, VK_DOWN, 23}, {12, VK_UP, 2},   {5, VK_DOWN, 15}, {7, VK_RIGHT, 8}, {8, VK_LEFT, 7},
    };
    Enter();
    for (const Move& move : moves) {
        g_stageNo = move.from;
        StopSound(SOUND_CURSOR);
        Hold(move.key, true);
        Frame();
        EXPECT_EQ(g_stageNo, move.to) << "key " << move.key << " from " << move.from;
        EXPECT_TRUE(SoundPlaying(SOUND_CURSOR));
        Hold(move.key, false);
        Frame();
    }
    g_stageNo = 1;
    Hold(VK_RIGHT, true);
    Frames(5);
    EXPECT_EQ(g_stageNo, 2) << "a held key moves once";
}

TEST_F(StageSelect, TheNumbersWithoutAMapAreCovered)
{
    g_stageNo = 15;
    Enter();
    for (int s = 0; s < SCORE_STAGES; s++) {
        EXPECT_EQ(CoverShown(s), s >= 23) << "number " << s + 1;
    }
}

TEST_F(StageSelect, AZHeldDuringTheFadeInStartsTheStageOnceFadedIn)
{
    folder.WriteFile("map/map1.map", WalledMap({}, "22"));
    SetPaletteBlack();
    Hold('Z', true);
    g_scene = SCENE_SELECT_INIT;
    int frames = 0;
    do {
        Frame();
        frames++;
        ASSERT_EQ(g_selectLeaving, !g_selectFadeIn) << "frame " << frames;
    } while (g_selectFadeIn && frames < 20);
    EXPECT_EQ(frames, 13);
    EXPECT_EQ(FramesUntil(SCENE_PLAY_INIT, 20), 12);
    EXPECT_FALSE(SoundPlaying(SOUND_TITLE));
}

TEST_F(StageSelect, XWinsOverZAndGoesBackToTheTitleWithItsMusic)
{
    folder.WriteFile("map/map1.map", WalledMap({}, "22"));
    Enter();
    Hold('Z', true);
    Hold('X', true);
    Frame();
    Hold('X', false);
    EXPECT_EQ(g_selectToPlay, 0);
    EXPECT_EQ(FramesUntil(SCENE_TITLE_INIT, 20), 12);
    EXPECT_TRUE(SoundPlaying(SOUND_TITLE));
}

TEST_F(StageSelect, WithoutAnyMapThePreviewIsEmptyAndNothingStarts)
{
    Stages(0);
    Enter();
    for (int key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
        Tap(key);
        EXPECT_EQ(g_stageNo, 1);
    }
    Hold('Z', true);
    Frames(40);
    EXPECT_EQ(g_scene, SCENE_SELECT);
    EXPECT_EQ(g_selectLeaving, 0);
    EXPECT_EQ(g_previewFound, 0);
    EXPECT_TRUE(PreviewEmpty());
    EXPECT_TRUE(CoverShown(1) && CoverShown(79)) << "every number is covered";
    EXPECT_EQ(TimeShown(TIME_SMALL, 450, 120), "99'59'999") << "a slot no play has filled";
}

TEST_F(StageSelect, AMapThatVanishesEmptiesThePreviewAndIsNotStarted)
{
    std::string map = WalledMap({"0000X0"}, "22");
    folder.WriteFile("map/map1.map", map);
    Enter();
    EXPECT_EQ(g_previewFound, 1);
    EXPECT_FALSE(PreviewEmpty());
    std::remove("map/map1.map");
    Hold('Z', true);
    Frames(30);
    EXPECT_EQ(g_scene, SCENE_SELECT);
    EXPECT_TRUE(PreviewEmpty());

    folder.WriteFile("map/map1.map", map);
    Frames(3);
    ASSERT_EQ(g_selectLeaving, 1);
    std::remove("map/map1.map");
    Hold('Z', false);
    Frames(12);
    EXPECT_EQ(g_scene, SCENE_SELECT) << "the fade-out ended without a map";
    EXPECT_EQ(g_selectLeaving, 0);
    EXPECT_EQ(g_selectFadeIn, 1) << "the screen comes back";
}

// Every cell shows the code the map gives it: an item on its start cell, a
// belt's middle as the plain belt code whatever way the belt will run, and
// only open cells show their liquid.
TEST_F(StageSelect, ThePreviewShowsEachCellsMapCode)
{
    folder.WriteFile("map/map1.map", WalledMap({"0:22R3X5G1H0J01:"}, "22"));
    LoadPreview();
    EXPECT_EQ(PreviewRow(g_previewTile, 0, 8), (std::vector<int>{0, 2, 34, 40, 23, 24, 26, 1}));
    EXPECT_EQ(PreviewRow(g_previewShowLevel, 0, 8), (std::vector<int>{1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(PreviewRow(g_previewLevel, 0, 3), (std::vector<int>{10, 2, 3}));
}

// The pointer goes on moving while the screen fades out to play, and the
// stage started is the one it points at when the fade-out ends.
TEST_F(StageSelect, TheCursorKeysActDuringTheFadeOut)
{
    for (int stage = 1; stage <= 3; stage++) {
        folder.WriteFile("map/map" + std::to_string(stage) + ".map", WalledMap({"0:"}, "22"));
    }
    Enter();
    Hold('Z', true);
    Frame();
    Hold('Z', false);
    ASSERT_EQ(g_selectLeaving, 1);
    Tap(VK_RIGHT);
    Tap(VK_RIGHT);
    EXPECT_EQ(g_stageNo, 3);
    EXPECT_GT(FramesUntil(SCENE_PLAY_INIT, 20), 0);
    EXPECT_EQ(g_stageNo, 3);
}

// A folder by a map's name is no map: the count ends before it, as on a
// system where a folder cannot be opened as a file.
TEST_F(StageSelect, AFolderNamedAsAMapIsNoStage)
{
    folder.WriteFile("map/map1.map", WalledMap({"0:"}, "22"));
    std::filesystem::create_directories("map/map2.map");
    folder.WriteFile("map/map3.map", WalledMap({"0:"}, "22"));
    ResetGame();
    ASSERT_NE(InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT), nullptr);
    EXPECT_EQ(g_stageCount, 1);
    EXPECT_EQ(g_openStageCount, 1);
    g_stageNo = 2;
    EXPECT_EQ(OpenStageMapFile(2), nullptr);
}

TEST_F(StageSelect, LiquidBarsStandOnTheCellBottomAndATinyLevelStopsNothing)
{
    folder.WriteFile("score.dat", "0061234" "0062000" "3599999" + std::string(7 * 237, '0'));
    folder.WriteFile("map/map1.map", WalledMap({"0:01"}, "22"));
    Enter();
    RECT bar = AtlasRect(ATLAS_PREVIEW_LIQUID);
    bar.bottom = bar.top + 4;
    EXPECT_TRUE(FrameShows(g_charaImg, bar, 33, 27 + 6, true)) << "level 10 is 4 pixels high";
    bar.bottom++;
    EXPECT_FALSE(FrameShows(g_charaImg, bar, 33, 27 + 5, true));
    RECT background = AtlasRect(ATLAS_PREVIEW_BACKGROUND);
    EXPECT_TRUE(FrameShows(g_charaImg, background, 43, 27, false)) << "level 1 draws no bar";
    for (int k = 0; k < 3; k++) {
        RECT digit = AtlasRect(ATLAS_STAGE_NUMBER_DIGIT, k < 2 ? 0 : 1);
        EXPECT_TRUE(FrameShows(g_stringsImg, digit, 197 + 30 * k, 235, false)) << "digit " << k;
    }
    EXPECT_EQ(TimeShown(TIME_SMALL, 450, 120), "01'01'234");
    EXPECT_EQ(TimeShown(TIME_SMALL, 450, 170), "01'02'000");
    EXPECT_EQ(TimeShown(TIME_SMALL, 450, 220), "59'59'999");
}

}  // namespace
