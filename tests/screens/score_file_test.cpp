// Reading, ranking and saving "score.dat", in a scratch folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "screens/result.h"
#include "screens/score_file.h"
#include "seam.h"
#include "stage/play_state.h"
#include "support/game_env.h"

namespace {

const int SLOTS = SCORE_STAGES * BEST_TIME_SLOTS;

std::string Seven(DWORD value)
{
    char text[16];
    snprintf(text, sizeof text, "%07u", (unsigned)value);
    return text;
}

// A different time in every slot, ascending within each stage.
DWORD SampleTime(int slot)
{
    return 1000u * (slot + 1) + slot;
}

std::string FileOf(const std::vector<DWORD>& times)
{
    std::string text;
    for (DWORD t : times) {
        text += Seven(t);
    }
    return text;
}

std::vector<DWORD> SampleTimes()
{
    std::vector<DWORD> times;
    for (int i = 0; i < SLOTS; i++) {
        times.push_back(SampleTime(i));
    }
    return times;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<DWORD> TableNow()
{
    std::vector<DWORD> times;
    for (int s = 0; s < SCORE_STAGES; s++) {
        times.insert(times.end(), g_bestTimes[s], g_bestTimes[s] + BEST_TIME_SLOTS);
    }
    return times;
}

int DebugLinesStartingWith(const std::string& start)
{
    int count = 0;
    for (const std::string& line : seam::DebugLines()) {
        count += line.rfind(start, 0) == 0;
    }
    return count;
}

class ScoreFile : public testing::Test {
protected:
    void SetUp() override { ResetGame(); }
    // Ranks and stores `time` for stage `stageNo`, as the result screen does.
    int Play(int stageNo, DWORD time)
    {
        g_stageNo = stageNo;
        g_playTime = time;
        g_resultRank = RankPlayTime();
        SaveScores();
        return g_resultRank;
    }
    void SetStage(int stageNo, DWORD a, DWORD b, DWORD c)
    {
        DWORD* slots = StageBestTimes(stageNo);
        slots[0] = a;
        slots[1] = b;
        slots[2] = c;
    }
    ScratchFolder folder;
};

TEST_F(ScoreFile, AMissingFileLetsAnyTimeRankAndTheFirstSaveCreatesIt)
{
    LoadScores();
    EXPECT_EQ(TableNow(), std::vector<DWORD>(SLOTS, SCORE_UNSET_TIME));
    EXPECT_TRUE(seam::DebugLines().empty()) << "a first run is not a fault";
    EXPECT_EQ(Play(80, 5999999), 1);
    std::vector<DWORD> expected(SLOTS, SCORE_UNSET_TIME);
    expected[SLOTS - 3] = 5999999;
    EXPECT_EQ(FileText("score.dat"), FileOf(expected));
}

TEST_F(ScoreFile, ATimeRanksOnlyAboveLongerTimes)
{
    struct Case {
        DWORD slots[3];
        DWORD time;
        int rank;
    };
    const Case cases[] = {
        {{1000, 2000, 3000}, 999, 1},  {{1000, 2000, 3000}, 1000, 2}, {{1000, 2000, 3000}, 2999, 3},
        {{1000, 2000, 3000}, 3000, 0}, {{1000, 1000, 1000}, 1000, 0}, {{0, 0, 0}, 0, 0},
        {{SCORE_UNSET_TIME, SCORE_UNSET_TIME, SCORE_UNSET_TIME}, 5999999, 1},
    };
    for (const Case& c : cases) {
        SetStage(7, c.slots[0], c.slots[1], c.slots[2]);
        g_stageNo = 7;
        g_playTime = c.time;
        EXPECT_EQ(RankPlayTime(), c.rank) << c.time << " against " << c.slots[0] << ", " << c.slots[1];
    }
}

TEST_F(ScoreFile, ATimeEqualToAllThreeLeavesTheFileAlone)
{
    std::vector<DWORD> times = SampleTimes();
    times[3] = times[4] = times[5] = 60000;
    folder.WriteFile("score.dat", FileOf(times));
    LoadScores();
    EXPECT_EQ(Play(2, 60000), 0);
    EXPECT_EQ(FileText("score.dat"), FileOf(times));
    EXPECT_FALSE(HasDebugLine("ScoreSave\n"));
    EXPECT_TRUE(HasDebugLine("0060000\n"));
}

TEST_F(ScoreFile, ASaveRewritesAllEightyStagesAndLeavesNoTemporaryFile)
{
    g_stageCount = g_openStageCount = 6;
    folder.WriteFile("score.dat", FileOf(SampleTimes()));
    LoadScores();
    ASSERT_EQ(TableNow(), SampleTimes());
    EXPECT_EQ(Play(5, 13012), 2) << "a time equal to the best goes after it";
    std::vector<DWORD> expected = SampleTimes();
    expected[13] = 13012;
    expected[14] = SampleTime(13);
    EXPECT_EQ(FileText("score.dat"), FileOf(expected));
    EXPECT_EQ(seam::DebugLines(),
              (std::vector<std::string>{"0013012\n", "0013012\n", "0014013\n", "ScoreSave\n"}));
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        EXPECT_EQ(entry.path().filename(), "score.dat");
    }
}

TEST_F(ScoreFile, TheGamesOwnFileReadsBackTheSameWithOrWithoutALineBreakAfterIt)
{
    for (const std::string tail : {"", "\n", "\r\n"}) {
        folder.WriteFile("score.dat", FileOf(SampleTimes()) + tail);
        LoadScores();
        EXPECT_EQ(TableNow(), SampleTimes()) << "tail of " << tail.size();
    }
    // Saved with a time equal to stage 1's third, which leaves the table as it is.
    g_stageNo = 1;
    g_playTime = SampleTime(2);
    g_resultRank = 1;
    SaveScores();
    LoadScores();
    EXPECT_EQ(TableNow(), SampleTimes()) << "read, saved, read again";
    EXPECT_EQ(DebugLinesStartingWith("score.dat"), 0);
}

TEST_F(ScoreFile, ADamagedOrShortFileKeepsEveryWholeValue)
{
    std::string text = FileOf(SampleTimes());
    text[3 * 7 + 3] = 'x';
    text[10 * 7] = ' ';
    text[11 * 7 + 6] = '\n';
    text.resize(100 * 7 + 3);
    folder.WriteFile("score.dat", text);
    LoadScores();
    std::vector<DWORD> expected = SampleTimes();
    expected[3] = expected[10] = expected[11] = SCORE_UNSET_TIME;
    std::fill(expected.begin() + 100, expected.end(), SCORE_UNSET_TIME);
    EXPECT_EQ(TableNow(), expected);
    EXPECT_EQ(DebugLinesStartingWith("score.dat"), 1);
    EXPECT_TRUE(HasDebugLine("score.dat: 143 of 240 best times unreadable, read as 9999999\n"));
}

// The temporary file is made unwritable: a full disk that refuses the data
// once it is flushed, or a folder in its place that cannot be opened.
TEST_F(ScoreFile, ASaveThatFailsKeepsTheOldFileWhole)
{
    for (int block = 0; block < 2; block++) {
        folder.WriteFile("score.dat", FileOf(SampleTimes()));
        if (block == 0) {
            ASSERT_EQ(symlink("/dev/full", "score.dat.tmp"), 0);
        } else {
            std::filesystem::create_directory("score.dat.tmp");
        }
        LoadScores();
        seam::Reset();
        EXPECT_EQ(Play(1, 500), 1);
        EXPECT_TRUE(HasDebugLine("ScoreSave\n"));
        EXPECT_TRUE(HasDebugLine("score.dat not saved: the old file is kept\n")) << "block " << block;
        EXPECT_EQ(FileText("score.dat"), FileOf(SampleTimes())) << "block " << block;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status("score.dat.tmp")));
        LoadScores();
        EXPECT_EQ(StageBestTimes(1)[0], SampleTime(0));
    }
}

}  // namespace
