// The browser build hands score.dat to its storage when the watch sees it
// changed: every save the game makes must be seen, and nothing else.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "screens/result.h"
#include "screens/score_file.h"
#include "stage/play_state.h"
#include "storage_watch.h"
#include "support/game_env.h"

namespace {

class StorageWatch : public testing::Test {
protected:
    void SetUp() override
    {
        ResetGame();
        LoadScores();
        seen = plat::StampOf("score.dat");
    }
    // Ranks and saves a time for stage 1 as the result screen does.
    void Play(DWORD time)
    {
        g_stageNo = 1;
        g_playTime = time;
        g_resultRank = RankPlayTime();
        SaveScores();
    }
    bool Changed() { return plat::FileChangedSince("score.dat", seen); }
    ScratchFolder folder;
    plat::FileStamp seen;
};

TEST_F(StorageWatch, EverySaveIsSeenOnceEvenBackToBack)
{
    EXPECT_FALSE(Changed()) << "no file yet, and none made";
    Play(5000);
    EXPECT_TRUE(Changed()) << "the first save makes the file";
    EXPECT_FALSE(Changed());
    Play(4000);
    Play(3000);
    EXPECT_TRUE(Changed()) << "two saves between looks are one change";
    Play(2000);
    EXPECT_TRUE(Changed()) << "a save of the same length right after is still seen";
    EXPECT_FALSE(Changed());
}

TEST_F(StorageWatch, WhatLeavesScoreDatAsItWasIsNoChange)
{
    Play(5000);
    Changed();
    Play(9000);
    Play(9000);
    Play(9000);
    EXPECT_TRUE(Changed()) << "times that rank are saved";
    Play(9999);
    EXPECT_FALSE(Changed()) << "a time that ranks nowhere saves nothing";
    folder.WriteFile("score.dat.tmp", std::string(1680, '1'));
    EXPECT_FALSE(Changed()) << "a save cut off before its rename leaves the old file";
}

TEST_F(StorageWatch, ARemovedOrReplacedFileIsSeen)
{
    folder.WriteFile("score.dat", std::string(1680, '9'));
    EXPECT_TRUE(Changed());
    ASSERT_EQ(remove("score.dat"), 0);
    EXPECT_TRUE(Changed());
    EXPECT_FALSE(Changed());
}

}  // namespace
