// The result screen driven frame by frame: the ranking it shows, its Z, and
// the save and the next stage on leaving.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/app_state.h"
#include "input/input.h"
#include "screens/result.h"
#include "screens/score_file.h"
#include "support/screen_driver.h"
#include "stage/play_state.h"
#include "video/draw.h"

namespace {

class Result : public ScreenDriver {
protected:
    void SetUp() override
    {
        ScreenDriver::SetUp();
        g_stageCount = g_openStageCount = 6;
        g_stageNo = 1;
        folder.WriteFile("score.dat", "0001000" "0002000" "0003000" + std::string(7 * 237, '9'));
        LoadScores();
    }
    void Enter(DWORD time)
    {
        g_playTime = time;
        g_scene = SCENE_RESULT_INIT;
        Frame();
    }
};

TEST_F(Result, ShowsTheNewTimeTheOldBestTimesAndRankInAtTheRowItTakes)
{
    Enter(1500);
    EXPECT_EQ(g_resultRank, 2);
    EXPECT_EQ(TimeShown(TIME_LARGE, 80, 160), "00'01'500");
    EXPECT_EQ(TimeShown(TIME_SMALL, 260, 300), "00'01'000");
    EXPECT_EQ(TimeShown(TIME_SMALL, 260, 350), "00'02'000");
    EXPECT_EQ(TimeShown(TIME_SMALL, 260, 400), "00'03'000");
    EXPECT_TRUE(FrameShows(g_stringsImg, AtlasRect(ATLAS_RANK_IN), 50, 290, false));
    EXPECT_FALSE(FrameShows(g_stringsImg, AtlasRect(ATLAS_OUT_OF_RANKING), 50, 240, false));

    Enter(3000);
    EXPECT_EQ(g_resultRank, 0);
    EXPECT_TRUE(FrameShows(g_stringsImg, AtlasRect(ATLAS_OUT_OF_RANKING), 50, 240, false));
}

TEST_F(Result, ZSavesTheTimeAndOpensTheNextStageButNeverPastTheLast)
{
    const int stages[][2] = {{1, 2}, {5, 6}, {6, 6}};
    for (const auto& stage : stages) {
        g_stageNo = stage[0];
        Enter(500);
        Hold('Z', true);
        EXPECT_GT(FramesUntil(SCENE_SELECT, 30), 0);
        Hold('Z', false);
        EXPECT_EQ(g_stageNo, stage[1]) << "after stage " << stage[0];
        EXPECT_EQ(StageBestTimes(stage[0])[0], 500u) << "read back from the file on entering the select";
    }
    EXPECT_EQ(StageBestTimes(1)[1], 1000u);
    EXPECT_EQ(StageBestTimes(1)[2], 2000u);
}

TEST_F(Result, AZHeldSinceTheClearLeavesOnceFadedInAndLeavesTheLatchClear)
{
    SetPaletteBlack();
    Hold('Z', true);
    Enter(500);
    for (int frame = 2; frame <= 12; frame++) {
        Frame();
        ASSERT_EQ(g_resultLeaving, 0) << "frame " << frame;
    }
    Frame();
    EXPECT_EQ(g_resultFadeIn, 0);
    EXPECT_EQ(g_resultLeaving, 1);
    EXPECT_EQ(g_keyLatch['Z'], 0);
    EXPECT_TRUE(HasDebugLine("FadeInEnd \n"));

    g_keyLatch['Z'] = 1;
    Enter(500);
    Frames(20);
    EXPECT_EQ(g_resultLeaving, 0) << "a Z whose latch is set must be pressed again";
    Hold('Z', false);
    Frame();
    Hold('Z', true);
    Frame();
    EXPECT_EQ(g_resultLeaving, 1);
}

static std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The warning's place on the panel, as presented.
static std::vector<BYTE> WarningArea()
{
    const seam::Frame& frame = seam::LastFrame();
    std::vector<BYTE> area;
    for (int y = 208; y < 236; y++) {
        area.insert(area.end(), frame.indices.begin() + y * frame.width + 80,
                    frame.indices.begin() + y * frame.width + 300);
    }
    return area;
}

// A save that fails (here the temporary file cannot be made) keeps the new
// best time for the run, tells the player, and is tried again at the next
// result even when that time does not rank.
TEST_F(Result, ABestTimeThatCannotBeSavedIsKeptShownAndSavedLater)
{
    const std::string before = FileText("score.dat");
    std::filesystem::create_directory("score.dat.tmp");
    Enter(500);
    const std::vector<BYTE> plain = WarningArea();
    testing::internal::CaptureStderr();
    Hold('Z', true);
    ASSERT_GT(FramesUntil(SCENE_SELECT, 30), 0);
    Hold('Z', false);
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("score.dat not saved"), std::string::npos) << told;
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    EXPECT_EQ(FileText("score.dat"), before);
    EXPECT_EQ(StageBestTimes(1)[0], 500u) << "the stage select keeps the time in memory";
    EXPECT_EQ(StageBestTimes(1)[1], 1000u);

    Enter(SCORE_UNSET_TIME);
    EXPECT_EQ(g_resultRank, 0);
    EXPECT_NE(WarningArea(), plain) << "BEST TIME NOT SAVED is not shown";
    std::filesystem::remove("score.dat.tmp");
    Hold('Z', true);
    ASSERT_GT(FramesUntil(SCENE_SELECT, 30), 0);
    Hold('Z', false);
    EXPECT_EQ(FileText("score.dat").substr(0, 21), "0000500" "0001000" "0002000");
    Enter(SCORE_UNSET_TIME);
    EXPECT_EQ(WarningArea(), plain) << "the warning outlives the save";
}

TEST_F(Result, StopsTheClearSoundOnlyWithEffectsOnAndPlaysTheTitleMusic)
{
    for (BYTE effects : {1, 0}) {
        g_seOn = effects;
        PlaySound(SOUND_CLEAR);
        StopSound(SOUND_TITLE);
        Enter(500);
        EXPECT_EQ(SoundPlaying(SOUND_CLEAR), effects == 0);
        EXPECT_TRUE(SoundPlaying(SOUND_TITLE));
    }
}

}  // namespace
