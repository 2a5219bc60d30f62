// Liquid flow on small hand-built boards, checked frame by frame against
// levels worked out by hand: "#" closed and dry, "." open and dry, digits and
// letters the level of a cell (a = 10 ... o = 24).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "play/liquid.h"
#include "stage/board.h"
#include "stage/board_dump.h"
#include "stage/map_loading.h"
#include "stage/switches.h"

namespace {

std::string Rows(const std::vector<std::string>& rows)
{
    std::string out;
    for (const std::string& row : rows) {
        out += row + "\n";
    }
    return out;
}

int TotalLiquid()
{
    int total = 0;
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            total += g_board[x][y].level;
        }
    }
    return total;
}

TEST(FlowLiquid, EmptyBoardStaysEmptyWithNoBodies)
{
    LoadMapText(WalledMap({"00000000", "0000"}));
    std::string before = DumpBoardJson();
    FlowLiquid();
    EXPECT_EQ(DumpBoardJson(), before);
}

TEST(FlowLiquid, SealedWetCellKeepsItsLiquidForEver)
{
    LoadMapText(WalledMap({"", "1007"}));
    for (int frame = 0; frame < 50; frame++) {
        FlowLiquid();
    }
    EXPECT_EQ(g_board[1][1].level, 7);
    EXPECT_EQ(g_board[1][1].region, 1);
}

// The tap at (2,0) pours one unit before every step, as the board drawing
// makes it do; the basin below is three cells wide and two deep.
TEST(FlowLiquid, TapFillsABasinBelowIt)
{
    LoadMapText(WalledMap({"1010K1", "10000000", "10000000"}));
    const std::vector<std::string> frames[] = {
        {"##.##", "#...#", "#.1.#", "#####"},
        {"##.##", "#...#", "#11.#", "#####"},
        {"##.##", "#...#", "#111#", "#####"},
        {"##.##", "#...#", "#121#", "#####"},
    };
    for (const auto& expected : frames) {
        g_board[2][0].level++;
        FlowLiquid();
        ASSERT_EQ(DumpLevels(5, 4), Rows(expected));
    }
    for (int frame = 4; frame < 150; frame++) {
        g_board[2][0].level++;
        FlowLiquid();
        ASSERT_EQ(TotalLiquid(), frame + 1);
    }
    EXPECT_EQ(DumpLevels(5, 4), Rows({"##6##", "#ooo#", "#ooo#", "#####"}));
}

TEST(FlowLiquid, LaddersAndTargetsHoldLiquidLikeEmptyCells)
{
    LoadMapText(WalledMap({"1010K1", "10000000", "10000000"}));
    for (int frame = 0; frame < 60; frame++) {
        g_board[2][0].level++;
        FlowLiquid();
    }
    std::string plain = DumpLevels(5, 4);
    LoadMapText(WalledMap({"1010K1", "10202000", "10R0R020"}));
    for (int frame = 0; frame < 60; frame++) {
        g_board[2][0].level++;
        FlowLiquid();
    }
    EXPECT_EQ(DumpLevels(5, 4), plain);
}

// Vertical pipes in a U: the left arm starts higher, the right arm rises one
// unit per frame, and the odd unit then swings from arm to arm.
TEST(FlowLiquid, PipeJoinedArmsEvenOutAndTheOddUnitSwings)
{
    LoadMapText(WalledMap({"", "10;310;0", "10;410;0", "10;4;4;4"}));
    const std::vector<std::string> frames[] = {
        {"#2#.#", "#4#1#", "#444#"},
        {"#1#.#", "#4#2#", "#444#"},
        {"#.#.#", "#4#3#", "#444#"},
        {"#.#.#", "#3#4#", "#444#"},
        {"#.#.#", "#4#3#", "#444#"},
        {"#.#.#", "#3#4#", "#444#"},
    };
    for (const auto& expected : frames) {
        FlowLiquid();
        ASSERT_EQ(DumpLevels(5, 4).substr(6), Rows(expected));
    }
}

// Two open basins joined below by a run of horizontal pipes: the pipes fill,
// the surfaces meet within one unit and no liquid is lost on the way.
TEST(FlowLiquid, BasinsJoinedByAPipeRunComeToOneLevel)
{
    LoadMapText(WalledMap({"", "100H101010100010", "100H101010100010", "100H444444440010"}));
    int total = TotalLiquid();
    for (int frame = 0; frame < 400; frame++) {
        FlowLiquid();
    }
    EXPECT_EQ(TotalLiquid(), total);
    int left = CellSurfaceHeight(&g_board[1][2], 2);
    int right = CellSurfaceHeight(&g_board[6][2], 2);
    EXPECT_LE(std::abs(left - right), 1) << DumpLevels(8, 5);
    for (int x = 2; x <= 5; x++) {
        EXPECT_EQ(g_board[x][3].level, 5) << x;
    }
    EXPECT_EQ(g_board[1][3].level, 24);
    EXPECT_EQ(g_board[6][3].level, 24);
}

// A porthole between a full cell and an empty one passes liquid only while
// its switch (the wheel in the sealed pocket at (4,0)) is on.
TEST(FlowLiquid, PortholePassesLiquidOnlyWhileOpen)
{
    LoadMapText(WalledMap({"10101010A0", "1008F10010"}));
    for (int frame = 0; frame < 10; frame++) {
        FlowLiquid();
    }
    ASSERT_EQ(DumpLevels(5, 2).substr(6), Rows({"#8#.#"}));

    g_switchState[1] = 1;
    ApplySwitches();
    const char* open[] = {"#7.1#", "#6.2#", "#5.3#", "#4.4#", "#4.4#"};
    for (const char* expected : open) {
        FlowLiquid();
        ASSERT_EQ(DumpLevels(5, 2).substr(6), Rows({expected}));
    }

    g_switchState[1] = 0;
    ApplySwitches();
    g_board[1][1].level = 9;
    for (int frame = 0; frame < 10; frame++) {
        FlowLiquid();
    }
    EXPECT_EQ(DumpLevels(5, 2).substr(6), Rows({"#9#4#"}));
}

// A porthole shut while holding three units: the fall rule and the spill
// rule each give one down, the spill rule one to the left, none go right or
// up, and the closed cell is left dry.
TEST(FlowLiquid, ShutPortholePushesItsLiquidOutDownAndLeft)
{
    LoadMapText(WalledMap({"", "101005", "1005F10510", "101000", "", "", "A0"}));
    g_board[2][2].level = 3;
    FlowLiquid();
    EXPECT_EQ(DumpLevels(5, 4), Rows({"#####", "##5##", "#6#5#", "##2##"}));
}

// Liquid spreading along a floor that reaches column 0, and a lone cell in
// column 24, both drain one unit per frame. The last unit on the floor never
// arrives: each frame it spreads right first and comes back left.
TEST(FlowLiquid, BothSideColumnsDrainOneUnitPerWetCellPerFrame)
{
    std::string row = "000006";
    while (row.size() < 48) {
        row += "10";
    }
    LoadMapText(WalledMap({"", row + "03"}));
    const char* left[] = {".15#", ".23#", ".22#"};
    for (int frame = 0; frame < 3; frame++) {
        FlowLiquid();
        EXPECT_EQ(DumpLevels(4, 2).substr(5), Rows({left[frame]})) << frame;
        EXPECT_EQ(g_board[24][1].level, 2 - frame) << frame;
    }
    for (int frame = 3; frame < 40; frame++) {
        FlowLiquid();
        EXPECT_EQ(g_board[24][1].level, 0);
    }
    EXPECT_EQ(DumpLevels(4, 2).substr(5), Rows({".1.#"}));
}

// A full column under an open cell: the even-out step lifts one unit into
// the cell above and the fall rule drops it back in the same frame.
TEST(FlowLiquid, FullColumnUnderAnOpenCellStaysAsItIs)
{
    LoadMapText(WalledMap({"", "1000", "100H", "100H"}));
    for (int frame = 0; frame < 5; frame++) {
        FlowLiquid();
        ASSERT_EQ(DumpLevels(3, 4), Rows({"###", "#.#", "#o#", "#o#"}));
    }
}

}  // namespace
