// Reading maps: the text rules, what each cell becomes, items, switches and
// belts, and what happens to content beyond the map's limits.
#include <gtest/gtest.h>

#include <string>

#include "stage/board.h"
#include "stage/board_dump.h"
#include "stage/items.h"
#include "stage/map_loading.h"
#include "stage/map_reader.h"
#include "stage/play_state.h"
#include "stage/switches.h"
#include "stage/tiles.h"

namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

const Cell& At(int x, int y)
{
    return g_board[x][y];
}

TEST(MapText, CrLfAndMissingLastLineFeedReadLikeLf)
{
    std::string lf = WalledMap({"0010K1", "X5;3", "A1F1"}, "3B");
    lf.pop_back();
    LoadMapText(lf);
    std::string expected = DumpBoardJson();
    ASSERT_EQ(At(24, 18).tile, TILE_WALL);

    EXPECT_TRUE(LoadMapText(Replace(lf, "\n", "\r\n")).empty());
    EXPECT_EQ(DumpBoardJson(), expected);
    EXPECT_EQ(g_frogX, 3 * 24);
    EXPECT_EQ(g_frogY, 18 * 24);
}

TEST(MapText, LoneCarriageReturnIsACharacterAndCtrlZOrByte255EndTheFile)
{
    LoadMapText("00\n\r0" "10");
    EXPECT_EQ(At(0, 0).tile, '\r' - '0');
    EXPECT_EQ(At(1, 0).tile, TILE_WALL);

    LoadMapText("00\n1010\x1a" "10");
    EXPECT_EQ(At(1, 0).tile, TILE_WALL);
    EXPECT_EQ(At(2, 0).tile, TILE_EMPTY);

    LoadMapText("00\n10\xff" "10");
    EXPECT_EQ(At(1, 0).tile, TILE_EMPTY);
}

TEST(MapCells, EmptyLinesAndShortLinesLeaveEmptyOpenCells)
{
    LoadMapText("00\n\n10");
    EXPECT_EQ(At(0, 0).kind, KIND_OPEN);
    EXPECT_EQ(At(0, 1).tile, TILE_WALL);
    EXPECT_EQ(At(1, 1).tile, TILE_EMPTY);
    EXPECT_EQ(At(1, 1).permeable, 1);
    EXPECT_EQ(At(24, 18).passable, 1);
}

TEST(MapCells, ParametersGoWhereTheTileSays)
{
    LoadMapText(WalledMap({"0728;4:2K7F0Q9"}));
    EXPECT_EQ(At(0, 0).level, 7);
    EXPECT_EQ(At(1, 0).level, 8);
    EXPECT_EQ(At(2, 0).level, 4);
    EXPECT_EQ(At(2, 0).unitHeight, 6);
    EXPECT_EQ(At(3, 0).level, 2);
    EXPECT_EQ(At(4, 0).active, 7);
    EXPECT_EQ(At(4, 0).level, 0);
    EXPECT_EQ(At(5, 0).runSwitch, 0);
    EXPECT_EQ(At(5, 0).permeable, 0);
    EXPECT_EQ(At(5, 0).passable, 1);
    EXPECT_EQ(At(6, 0).param, 9);
    for (int x = 0; x < 6; x++) {
        EXPECT_EQ(At(x, 0).param, 0) << x;
    }
}

TEST(MapCells, ItemCellBecomesEmptyCellHoldingItsParameterAsLiquid)
{
    LoadMapText(WalledMap({"", "0010X5"}));
    ASSERT_EQ(g_itemCount, 1);
    const Item& crate = g_items[0];
    EXPECT_EQ(crate.type, ITEM_CRATE);
    EXPECT_EQ(crate.x, 48);
    EXPECT_EQ(crate.y, 24);
    EXPECT_EQ(crate.life, 2100);
    EXPECT_EQ(crate.src.left, 144);
    EXPECT_EQ(crate.src.right, 168);
    EXPECT_EQ(At(2, 1).tile, TILE_EMPTY);
    EXPECT_EQ(At(2, 1).level, 5);
    EXPECT_EQ(At(2, 1).permeable, 1);
}

TEST(MapCells, TileBelowZeroIsABlankSolidCellKeepingItsParameter)
{
    auto faults = LoadMapText(WalledMap({"/3"}));
    EXPECT_EQ(At(0, 0).tile, -1);
    EXPECT_EQ(At(0, 0).kind, KIND_SOLID);
    EXPECT_EQ(At(0, 0).permeable, 0);
    EXPECT_EQ(At(0, 0).level, 0);
    EXPECT_EQ(At(0, 0).param, 3);
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_UNKNOWN_TILE, 2, 1}}));
}

TEST(MapSwitches, NumberedInReadingOrderRowByRow)
{
    LoadMapText(WalledMap({"1010101010A1", "N/P0"}));
    EXPECT_EQ(At(5, 0).switchNo, 1);
    EXPECT_EQ(At(0, 1).switchNo, 2);
    EXPECT_EQ(At(1, 1).switchNo, 3);
    EXPECT_EQ(g_switchState[1], 1);
    EXPECT_EQ(g_switchState[2], -1);
    EXPECT_EQ(g_switchState[3], 0);
    EXPECT_EQ(At(0, 1).switchOn, -1);
    EXPECT_EQ(At(0, 1).param, 0);
}

TEST(MapBelts, TwoBeltsInOneRowEachKnowTheirOwnHead)
{
    LoadMapText(WalledMap({"G1I0J0G/H0H0J0"}));
    for (int x = 1; x <= 2; x++) {
        EXPECT_EQ(At(x, 0).headX, 0) << x;
        EXPECT_EQ(At(x, 0).direction, 1) << x;
    }
    for (int x = 4; x <= 6; x++) {
        EXPECT_EQ(At(x, 0).headX, 3) << x;
        EXPECT_EQ(At(x, 0).direction, -1) << x;
    }
    EXPECT_EQ(At(7, 0).headX, 0);
    EXPECT_EQ(At(1, 0).tile, TILE_BELT_RIGHT);
    EXPECT_EQ(At(4, 0).tile, TILE_BELT_LEFT);
}

struct BeltCase {
    const char* row;
    int direction;
    int active;
    int middleTile;
};

TEST(MapBelts, DirectionFromLeftEndAndRunFromRightEndSwitch)
{
    const BeltCase cases[] = {
        {"G/I0J0", -1, 1, TILE_BELT_LEFT},
        {"G0I0J0", 0, 1, TILE_BELT_LEFT},
        {"G1H0J0", 1, 1, TILE_BELT_RIGHT},
        {"G1H0J1A0", 1, 0, TILE_BELT_RIGHT},
        {"G1H0J1A1", 1, 1, TILE_BELT_RIGHT},
        {"G0H1J0N/", -1, 1, TILE_BELT_LEFT},
        {"G/H1J0A1", 1, 1, TILE_BELT_RIGHT},
    };
    for (const BeltCase& c : cases) {
        LoadMapText(WalledMap({c.row}));
        for (int x = 0; x < 3; x++) {
            EXPECT_EQ(At(x, 0).direction, c.direction) << c.row << " x " << x;
            EXPECT_EQ(At(x, 0).active, c.active) << c.row << " x " << x;
        }
        EXPECT_EQ(At(1, 0).tile, c.middleTile) << c.row;
    }
}

TEST(MapBelts, LeverWiredAsDirectionSwitchReversesTheBeltAtOnce)
{
    LoadMapText(WalledMap({"G0H1I1J0N1"}));
    EXPECT_EQ(At(0, 0).dirSwitch, 1);
    EXPECT_EQ(At(2, 0).tile, TILE_BELT_RIGHT);
    g_switchState[1] = -1;
    ApplySwitches();
    for (int x = 0; x < 4; x++) {
        EXPECT_EQ(At(x, 0).direction, -1) << x;
    }
    EXPECT_EQ(At(1, 0).tile, TILE_BELT_LEFT);
    EXPECT_EQ(At(2, 0).tile, TILE_BELT_LEFT);
    EXPECT_EQ(At(3, 0).tile, TILE_BELT_RIGHT_END);
}

TEST(MapPortholes, OpenForLiquidExactlyWhileTheirSwitchIsOn)
{
    LoadMapText(WalledMap({"F1A0F0"}));
    EXPECT_EQ(At(0, 0).permeable, 0);
    g_switchState[1] = 1;
    ApplySwitches();
    EXPECT_EQ(At(0, 0).permeable, 1);
    EXPECT_EQ(At(0, 0).active, 1);
    EXPECT_EQ(At(2, 0).permeable, 0);
    g_switchState[1] = 0;
    ApplySwitches();
    EXPECT_EQ(At(0, 0).permeable, 0);
}

TEST(MapLoading, NothingSurvivesFromThePreviousStage)
{
    LoadMapText(WalledMap({"K1G1H0J0A1X3"}));
    g_board[0][0].level = 9;
    g_board[0][0].frame = 2;
    LoadMapText(WalledMap({"00000000000000"}));
    for (int x = 0; x < 7; x++) {
        EXPECT_EQ(At(x, 0).active, 0) << x;
        EXPECT_EQ(At(x, 0).direction, 0) << x;
        EXPECT_EQ(At(x, 0).headX, 0) << x;
        EXPECT_EQ(At(x, 0).switchNo, 0) << x;
        EXPECT_EQ(At(x, 0).level, 0) << x;
        EXPECT_EQ(At(x, 0).frame, 0) << x;
        EXPECT_EQ(At(x, 0).frameCount, 1) << x;
    }
    EXPECT_EQ(g_itemCount, 0);
}

TEST(MapLoading, TargetsAreCountedAndTheHiddenRowIsNeverWritten)
{
    LoadMapText(WalledMap({"R0R0", "", "R5"}));
    EXPECT_EQ(g_targetCount, 3);
    EXPECT_EQ(At(0, 2).level, 5);
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        EXPECT_EQ(g_board[x][BOARD_ROWS].permeable, 0);
        EXPECT_EQ(g_board[x][BOARD_ROWS].tile, 0);
        EXPECT_EQ(g_board[x][BOARD_ROWS].kind, 0);
    }
}

TEST(MapLimits, SurplusCharactersLinesAndCellsAreSkippedWithOneReportEach)
{
    std::string map = "00ZZ\n" + std::string(52, '1') + "00\n";
    for (int y = 1; y < 19; y++) {
        map += "\n";
    }
    map += "0505\n0505\n";
    auto faults = LoadMapText(map);
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_FROG_LINE_TAIL, 1, 3},
                                                {MAP_FAULT_LONG_LINE, 2, 51},
                                                {MAP_FAULT_EXTRA_LINES, 21, 1}}));
    EXPECT_EQ(At(24, 0).tile, TILE_WALL);
    EXPECT_EQ(At(0, 0).tile, TILE_WALL);
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        EXPECT_EQ(g_board[x][BOARD_ROWS].level, 0);
    }
}

TEST(MapLimits, OddSurplusDoesNotSwallowTheLineFeed)
{
    auto faults = LoadMapText("00Z\n" + std::string(51, '1') + "\n10");
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_FROG_LINE_TAIL, 1, 3},
                                                {MAP_FAULT_LONG_LINE, 2, 51}}));
    EXPECT_EQ(At(24, 0).tile, TILE_WALL);
    EXPECT_EQ(At(0, 1).tile, TILE_WALL);
    EXPECT_EQ(At(1, 1).tile, TILE_EMPTY);
}

TEST(MapLimits, ItemsBeyondTheHundredthLeaveEmptyCellsOnly)
{
    std::vector<std::string> rows(5, std::string(50, ' '));
    for (auto& row : rows) {
        for (int x = 0; x < 25; x++) {
            row[2 * x] = 'X';
            row[2 * x + 1] = '2';
        }
    }
    auto faults = LoadMapText(WalledMap(rows));
    EXPECT_EQ(g_itemCount, 100);
    EXPECT_EQ(g_items[99].y, 3 * 24);
    EXPECT_EQ(At(0, 4).tile, TILE_EMPTY);
    EXPECT_EQ(At(0, 4).level, 2);
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_TOO_MANY_ITEMS, 6, 1}}));
}

TEST(MapLimits, BeltWithoutRightEndStopsAtTheBoardEdge)
{
    std::string row;
    for (int x = 0; x < 22; x++) {
        row += "10";
    }
    row += "G1H0I0";
    auto faults = LoadMapText(WalledMap({row}));
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_OPEN_BELT, 2, 45}}));
    EXPECT_EQ(At(24, 0).headX, 22);
    EXPECT_EQ(At(24, 0).direction, 1);
    EXPECT_EQ(At(0, 1).headX, 0);
    EXPECT_EQ(At(0, 1).direction, 0);
}

TEST(MapLimits, SwitchNumbersNamingNoSwitchReadAsNone)
{
    auto faults = LoadMapText(WalledMap({"F2G1H/J9A1", "F1F/"}));
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_NO_SUCH_SWITCH, 2, 1},
                                                {MAP_FAULT_NO_SUCH_SWITCH, 2, 5},
                                                {MAP_FAULT_NO_SUCH_SWITCH, 2, 7},
                                                {MAP_FAULT_NO_SUCH_SWITCH, 3, 3}}));
    EXPECT_EQ(At(0, 0).runSwitch, 0);
    EXPECT_EQ(At(1, 0).dirSwitch, 0);
    EXPECT_EQ(At(1, 0).runSwitch, 0);
    EXPECT_EQ(At(1, 0).active, 1);
    EXPECT_EQ(At(0, 1).runSwitch, 1);
    EXPECT_EQ(At(0, 1).permeable, 1);
    EXPECT_EQ(At(1, 1).runSwitch, 0);
}

TEST(MapLimits, FrogStartOutsideTheBoardIsMovedToItsNearestEdge)
{
    auto faults = LoadMapText("Z/\n");
    EXPECT_EQ(g_frogX, 24 * 24);
    EXPECT_EQ(g_frogY, 0);
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_FROG_OUTSIDE, 1, 1},
                                                {MAP_FAULT_FROG_OUTSIDE, 1, 2}}));
}

TEST(MapLimits, CellCutByTheEndOfFileOrLineIsReported)
{
    auto faults = LoadMapText("00\n1");
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_CUT_CELL, 2, 1}}));
    EXPECT_EQ(At(0, 0).kind, KIND_SOLID);

    faults = LoadMapText("00\n101\n10");
    EXPECT_EQ(faults, (std::vector<SeenFault>{{MAP_FAULT_CUT_CELL, 2, 3}}));
    EXPECT_EQ(At(2, 0).tile, TILE_WALL);
}

}  // namespace
