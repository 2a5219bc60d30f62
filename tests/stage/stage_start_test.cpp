// The stage start: every play value back to its stage value, the map loaded,
// the frog's hit box set and the stage music chosen from the unseeded generator.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "audio/sound.h"
#include "stage/board.h"
#include "stage/game_rand.h"
#include "stage/items.h"
#include "stage/map_loading.h"
#include "stage/play_state.h"
#include "stage/stage_start.h"
#include "stage/switches.h"
#include "support/game_env.h"

namespace {

class StageStart : public testing::Test {
protected:
    void SetUp() override
    {
        window_ = StartDisplay();
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(InitializeSound(window_));
        folder_.WriteFile("map/map1.map", WalledMap({"0000X0A0F1", "0000000000", "00000000000"}, "35"));
        g_randSeed = 1;
        g_stageNo = 1;
    }
    void TearDown() override { ReleaseSound(); }

    HWND window_ = NULL;
    ScratchFolder folder_;
};

TEST_F(StageStart, ResetsThePlayStateLoadsTheMapAndHandsOverToPlay)
{
    g_paused = 1;
    g_pauseCursor = 0;
    g_leaving = 1;
    g_playTime = 12345;
    g_clockRunning = 1;
    g_frogAnimFrames = 4;
    g_clearBounces = 3;
    g_clearLetterY[4] = 200.0;
    StartStage();
    EXPECT_EQ(g_scene, SCENE_PLAY);
    EXPECT_EQ(g_paused, 0);
    EXPECT_EQ(g_pauseCursor, 3);
    EXPECT_EQ(g_leaving, 0);
    EXPECT_EQ(g_fadeInPending, 1);
    EXPECT_EQ(g_playTime, 0u);
    EXPECT_EQ(g_clockRunning, 0);
    EXPECT_EQ(g_frogAnimFrames, 1);
    EXPECT_EQ(g_clearBounces, 0);
    for (int i = 0; i < CLEAR_LETTERS; i++) {
        EXPECT_EQ(g_clearLetterY[i], -96.0 - 24 * i);
        EXPECT_EQ(g_clearLetterVy[i], 10.0);
    }
    EXPECT_EQ(g_frogX, 3 * CELL_SIZE);
    EXPECT_EQ(g_frogY, 5 * CELL_SIZE);
    EXPECT_EQ(g_frogRect.left, g_frogX + 6);
    EXPECT_EQ(g_frogRect.top, g_frogY + 7);
    EXPECT_EQ(g_frogRect.right, g_frogX + 18);
    EXPECT_EQ(g_frogRect.bottom, g_frogY + 35);
    EXPECT_EQ(g_itemCount, 1);
}

// The unseeded generator's sequence begins 41, 18467, 6334, 26500, 19169.
TEST_F(StageStart, EveryRunDrawsTheSameMusicsInTheSameOrder)
{
    const int expected[] = {SOUND_GAME2, SOUND_GAME2, SOUND_GAME1, SOUND_GAME1, SOUND_GAME2};
    for (int music : expected) {
        StartStage();
        EXPECT_EQ(g_stageBgm, music);
        EXPECT_TRUE(SoundPlaying(music));
        StopSound(g_stageBgm);
    }
}

TEST_F(StageStart, WithMusicOffTheMusicIsStillChosenButNotStarted)
{
    g_bgmOn = 0;
    StartStage();
    EXPECT_EQ(g_stageBgm, SOUND_GAME2);
    EXPECT_FALSE(SoundPlaying(SOUND_GAME1));
    EXPECT_FALSE(SoundPlaying(SOUND_GAME2));
}

TEST_F(StageStart, ARestartGivesBackTheBoardOfTheMap)
{
    StartStage();
    g_board[5][1].level = 7;
    g_items[0].x += 30;
    g_switchState[1] = 1;
    g_frogX = 200;
    StartStage();
    EXPECT_EQ(g_board[5][1].level, 0);
    EXPECT_EQ(g_items[0].x, 2 * CELL_SIZE);
    EXPECT_EQ(g_switchState[1], 0);
    EXPECT_EQ(g_frogX, 3 * CELL_SIZE);
}

}  // namespace
