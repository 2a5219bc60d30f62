// The search and the board check on shipped and test maps: clears that
// replay to their time, boards shown impossible, and the memory bound.
#include <gtest/gtest.h>

#include <memory>

#include "board_check.h"
#include "clear_usage.h"
#include "sim_run.h"
#include "solve_helpers.h"
#include "solve_search.h"

namespace {

SolveReport Solve(const std::string& mapText, SolveOptions options)
{
    SolveReport report;
    WithGame(mapText, [&](HWND window) { SolveStage(window, options, report); });
    return report;
}

SolveOptions Seconds(double seconds)
{
    SolveOptions options;
    options.seconds = seconds;
    return options;
}

TEST(Solve, ClearsTheFirstStagesWithScriptsThatReplayToTheirTime)
{
    const unsigned PARS[] = {4200, 4333, 6016};
    const int STAGES[] = {1, 2, 4};
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE("stage " + std::to_string(STAGES[i]));
        SolveReport report = Solve(ShippedMap(STAGES[i]), Seconds(30));
        ASSERT_EQ(report.outcome, SOLVE_CLEARED);
        EXPECT_LE(report.clearTime, PARS[i]) << "no slower than the replay";
        ClearUsage usage;
        std::string error;
        RestoreFreshGlobals();
        ASSERT_TRUE(WatchClear(ShippedMap(STAGES[i]), report.steps, usage, error)) << error;
        EXPECT_TRUE(usage.cleared);
        EXPECT_EQ(usage.clearTime, report.clearTime);
    }
}

TEST(Solve, ProvesSealedRoomsCannotBeCleared)
{
    SolveReport report = Solve(TestMap("sealed_rooms.map"), Seconds(60));
    EXPECT_EQ(report.outcome, SOLVE_NO_CLEAR);
    EXPECT_FALSE(report.exhaustedWithinBound) << "every state was played out, none cut off by the frame bound";
    EXPECT_TRUE(report.reason.empty());
    EXPECT_GT(report.states, 10);
}

TEST(Solve, SaysASearchCutOffByTheFrameBoundIsOnlyWithinIt)
{
    SolveOptions options = Seconds(60);
    options.maxFrames = 120;
    SolveReport report = Solve(ShippedMap(5), options);
    EXPECT_EQ(report.outcome, SOLVE_NO_CLEAR);
    EXPECT_TRUE(report.exhaustedWithinBound);
}

TEST(Solve, StopsAtTheMemoryBound)
{
    SolveOptions options = Seconds(60);
    options.memoryBytes = 40 << 20;
    SolveReport report = Solve(ShippedMap(40), options);
    EXPECT_EQ(report.outcome, SOLVE_OUT_OF_MEMORY);
}

TEST(BoardCheck, SeesAWalledInTargetAtOnce)
{
    SolveReport report = Solve(TestMap("walled_target.map"), Seconds(60));
    EXPECT_EQ(report.outcome, SOLVE_NO_CLEAR);
    EXPECT_NE(report.reason.find("column 8, row 18"), std::string::npos) << report.reason;
    EXPECT_EQ(report.states, 0);
}

TEST(BoardCheck, PassesEveryShippedStage)
{
    for (int stage = 1; stage <= 40; stage++) {
        std::unique_ptr<PlaySnapshot> start(new PlaySnapshot());
        WithGame(ShippedMap(stage), [&](HWND window) {
            HoldScriptKeys({});
            PlayScriptFrame(window, 0);
            SavePlaySnapshot(start.get());
        });
        std::string reason;
        EXPECT_TRUE(BoardCanBeCleared(*start, reason)) << "stage " << stage << ": " << reason;
    }
}

TEST(BoardCheck, CountsItemsAgainstTargets)
{
    std::unique_ptr<PlaySnapshot> start(new PlaySnapshot());
    WithGame(ShippedMap(1), [&](HWND window) {
        PlayScriptFrame(window, 0);
        SavePlaySnapshot(start.get());
    });
    std::string reason;
    start->targetCount = 2;
    EXPECT_FALSE(BoardCanBeCleared(*start, reason));
    EXPECT_EQ(reason, "the board has 2 targets and only 1 items to cover them");
    start->targetCount = 1;
    start->items[0].life = 0;
    EXPECT_FALSE(BoardCanBeCleared(*start, reason));
}

}  // namespace
