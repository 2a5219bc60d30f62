// Item rules on small hand-built boards: pushing, rolling, melting, floating,
// stacking, plates, the clear, and items at or beyond the board's edges.
// Row 0 of most boards holds a target no item can reach, so that the stage
// does not clear in the first pass.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "audio/sound.h"
#include "play/item_rules.h"
#include "stage/item_box.h"
#include "stage/board.h"
#include "stage/items.h"
#include "stage/map_loading.h"
#include "stage/play_state.h"
#include "stage/stage_start.h"
#include "stage/switches.h"
#include "support/game_env.h"

namespace {

const char SPARE_TARGET[] = "10R0";

void PlaceFrog(int x, int y)
{
    g_frogX = x;
    g_frogY = y;
    g_frogRect = RECT{x + 6, y + 7, x + 18, y + 35};
}

void Load(const std::vector<std::string>& rows)
{
    LoadMapText(WalledMap(rows));
    FitItemBoxes();
}

void Frames(int count)
{
    for (int i = 0; i < count; i++) {
        UpdateItems();
    }
}

int TotalLiquid(int rows)
{
    int total = 0;
    for (int y = 0; y < rows; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            total += g_board[x][y].level;
        }
    }
    return total;
}

void ExpectBox(const Item& item, int left, int top, int right, int bottom)
{
    EXPECT_EQ(item.box.left, left);
    EXPECT_EQ(item.box.top, top);
    EXPECT_EQ(item.box.right, right);
    EXPECT_EQ(item.box.bottom, bottom);
}

class ItemRules : public testing::Test {
protected:
    void SetUp() override
    {
        ResetGame();
        Prepare();
    }
    // Play under way, the frog far from every item.
    void Prepare()
    {
        g_scene = SCENE_PLAY;
        g_clockRunning = 0;
        g_frogAirborne = 0;
        g_frogHeadroom = 1;
        PlaceFrog(-200, -200);
    }
};

// The item stands on the floor at column 3; the frog, standing to its left,
// walks 2 px a frame into it. Returns the item's and the frog's x per frame.
std::vector<std::pair<int, int>> WalkIntoFromLeft(const std::string& item, int frames)
{
    Load({SPARE_TARGET, "1000000000000000000010", "100000" + item + "00000000000010"});
    PlaceFrog(53, 36);
    std::vector<std::pair<int, int>> seen;
    for (int i = 0; i < frames; i++) {
        PlaceFrog(g_frogX + 2, 36);
        UpdateItems();
        seen.push_back({g_items[0].x, g_frogX});
    }
    return seen;
}

TEST_F(ItemRules, TheFrogPushesCratesTwoPixelsAndBouldersOneAFrame)
{
    std::vector<std::pair<int, int>> crate = WalkIntoFromLeft("X0", 10);
    std::vector<std::pair<int, int>> boulder = WalkIntoFromLeft("Z0", 10);
    for (int k = 1; k <= 10; k++) {
        EXPECT_EQ(crate[k - 1], std::make_pair(72 + 2 * k, 53 + 2 * k)) << k;
        EXPECT_EQ(boulder[k - 1], std::make_pair(72 + k, 54 + k)) << "set back every frame, " << k;
    }

    Load({SPARE_TARGET, "1000000000000000000010", "100000X000000000000010"});
    PlaceFrog(80, 36);
    UpdateItems();
    EXPECT_EQ(g_items[0].x, 70);
    EXPECT_EQ(g_frogX, 95 - 7);
}

TEST_F(ItemRules, AMetalBlockMovesOnlyWhileTheFrogsFeetAreBlockedBeside)
{
    std::vector<std::pair<int, int>> open = WalkIntoFromLeft("Y0", 10);
    for (const auto& frame : open) {
        EXPECT_EQ(frame, std::make_pair(72, 55));
    }
    g_frogHeadroom = 0;
    std::vector<std::pair<int, int>> blocked = WalkIntoFromLeft("Y0", 10);
    EXPECT_EQ(blocked.back(), std::make_pair(82, 64));
}

// One frame of pushing gives 2 px from the push and 2 from the roll it
// starts; then it rolls on alone until a wall or an item stops it.
TEST_F(ItemRules, AStarBallPushedOnceRollsUntilStopped)
{
    Load({SPARE_TARGET, "10000000000000001010", "100000\\00000000010"});
    PlaceFrog(55, 36);
    UpdateItems();
    EXPECT_EQ(g_items[0].x, 76);
    PlaceFrog(-200, -200);
    int x = g_items[0].x;
    for (UpdateItems(); g_items[0].rolling != 0; UpdateItems()) {
        ASSERT_EQ(g_items[0].x, x + 2) << "rolls 2 px a frame while rolling";
        x = g_items[0].x;
        ASSERT_LT(x, 200);
    }
    EXPECT_EQ(g_items[0].x, 168) << "its box ends one pixel before the wall at 192";
    EXPECT_EQ(g_items[0].rolling, 0);

    Load({SPARE_TARGET, "10000000000000001010", "100000\\00000X0"});
    PlaceFrog(55, 36);
    UpdateItems();
    PlaceFrog(-200, -200);
    Frames(40);
    EXPECT_EQ(g_items[0].x, 120);
    EXPECT_EQ(g_items[0].rolling, 0);
    EXPECT_EQ(g_items[1].x, 144);
}

// Ice in a full cell floats up and loses two life a frame.
TEST_F(ItemRules, FloatingIceMeltsTwiceAsFastAndShrinksBelow1400And700)
{
    const std::vector<std::string> pool = {SPARE_TARGET, "1000000010", "100H[H0H10"};
    Load(pool);
    for (int k = 1; k <= 100; k++) {
        UpdateItems();
        ASSERT_EQ(g_items[0].life, 2100 - 2 * k);
    }
    EXPECT_EQ(g_items[0].w, 24);

    Load(pool);
    UpdateItems();
    g_items[0].life = 1401;
    UpdateItems();
    EXPECT_EQ(g_items[0].life, 1399);
    EXPECT_EQ(g_items[0].w, 20);
    EXPECT_EQ(g_items[0].h, 20);
    const Item& ice = g_items[0];
    ExpectBox(ice, ice.x + 4, ice.y + 4, ice.x + 19, ice.y + 19);

    Load(pool);
    UpdateItems();
    g_items[0].life = 701;
    UpdateItems();
    EXPECT_EQ(g_items[0].life, 699);
    ExpectBox(ice, ice.x + 8, ice.y + 8, ice.x + 15, ice.y + 15);
}

// Dry ice loses one life a frame and gives a unit of liquid at each life of
// 1 modulo 100; the liquid is mopped up each frame so that it stays dry.
TEST_F(ItemRules, DryIceGivesTwentyOneUnitsAndVanishes)
{
    Load({SPARE_TARGET, "", "10[010"});
    int released = 0;
    for (int k = 1; k <= 2100; k++) {
        UpdateItems();
        released += TotalLiquid(BOARD_ROWS);
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            g_board[x][2].level = 0;
        }
        ASSERT_EQ(g_items[0].life, 2100 - k);
        ASSERT_EQ(g_items[0].w, k <= 700 ? 24 : k <= 1400 ? 20 : 16) << k;
    }
    EXPECT_EQ(released, 21);
    g_items[0].y = 10;
    Frames(5);
    EXPECT_EQ(g_items[0].y, 10) << "a melted block is skipped";
}

// A crate dropping into a pool stops with the surface (row 3's top, 72)
// 11 px above its box bottom, one placed 12 px deep stays; a boulder sinks.
TEST_F(ItemRules, CratesSettleOnLiquidAndBouldersSink)
{
    const std::vector<std::string> shaft = {SPARE_TARGET, "10X0", "1000", "100H", "100H"};
    Load(shaft);
    Frames(40);
    EXPECT_EQ(g_items[0].box.bottom, 83);
    Frames(40);
    EXPECT_EQ(g_items[0].box.bottom, 83);

    g_items[0].y = 61;
    FitItemBox(&g_items[0]);
    Frames(40);
    EXPECT_EQ(g_items[0].box.bottom, 84);

    Load({SPARE_TARGET, "10Z0", "1000", "100H", "100H"});
    for (int k = 1; k <= 36; k++) {
        UpdateItems();
        ASSERT_EQ(g_items[0].y, 24 + 2 * k);
    }
    Frames(10);
    EXPECT_EQ(g_items[0].y, 96);
}

// A crate stands on a crate on a belt running right. The lower one's box,
// raised by 2 px as it moves, touches the upper one, which takes the step
// in the next pass, as it comes first in the items; later it takes it at once.
TEST_F(ItemRules, StackedItemsRideTogetherOnABelt)
{
    const std::vector<std::string> belt = {SPARE_TARGET, "1000X000000000000010", "1000X000000000000010",
                                           "10G1I0I0I0I0I0I0J010"};
    Load(belt);
    for (int k = 1; k <= 10; k++) {
        UpdateItems();
        EXPECT_EQ(g_items[1].x, 48 + k);
        EXPECT_EQ(g_items[0].x, 47 + k);
        EXPECT_EQ(g_items[0].y, 24);
        EXPECT_EQ(g_items[1].y, 48);
        EXPECT_FALSE(RectsOverlap(&g_items[0].box, &g_items[1].box));
    }

    Load(belt);
    std::swap(g_items[0], g_items[1]);
    Frames(10);
    EXPECT_EQ(g_items[0].x, 58);
    EXPECT_EQ(g_items[1].x, 58);
    EXPECT_EQ(g_items[1].y, 24);
}

TEST_F(ItemRules, TheFrogStandsOnItemsAndIsPushedDownFromUnder)
{
    Load({SPARE_TARGET, "", "1000000000000010", "1000000000000010", "100000X000000010"});
    PlaceFrog(72, 62);
    UpdateItems();
    EXPECT_EQ(g_frogY, 96 - 36);
    EXPECT_EQ(g_frogOnItem, 1);
    EXPECT_EQ(g_items[0].x, 72);
    PlaceFrog(30, 60);
    UpdateItems();
    EXPECT_EQ(g_frogOnItem, 0);

    Load({SPARE_TARGET, "", "100000X000000010", "1000000000000010", "1000000000000010"});
    PlaceFrog(72, 63);
    UpdateItems();
    EXPECT_EQ(g_frogY, 71 - 7);
    EXPECT_EQ(g_frogOnItem, 0);
}

// A crate drops into a plate's cell; the plate turns on when the point 5 px
// above the crate's bottom passes 12 px below the cell's top, and the belt
// it drives starts.
TEST_F(ItemRules, AnItemPressesAPlateAndTheDeviceItDrives)
{
    Load({SPARE_TARGET, "10X0", "10P0", "", "", "10G1J1"});
    Frames(10);
    EXPECT_EQ(g_board[1][2].switchOn, 0);
    EXPECT_EQ(g_board[1][5].active, 0);
    UpdateItems();
    EXPECT_EQ(g_board[1][2].switchOn, 1);
    EXPECT_EQ(g_switchState[1], 1);
    EXPECT_EQ(g_board[1][5].active, 1);
    Frames(20);
    EXPECT_EQ(g_switchState[1], 1) << "an item never lets a plate go";
}

class ItemClear : public ItemRules {
protected:
    void SetUp() override
    {
        window_ = StartDisplay();
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(InitializeSound(window_));
        Prepare();
    }
    void TearDown() override { ReleaseSound(); }

    HWND window_ = NULL;
};

// Two crates drop onto the two targets and cover them in pass 13; the
// boulder falling beside them comes later in the items and stops then.
TEST_F(ItemClear, TheLastCoveringItemClearsTheStageBeforeLaterItemsMove)
{
    const std::vector<std::string> drop = {"", "10X0X0Z0", "10R0R000", "10101000", "10101000"};
    for (int run = 0; run < 3; run++) {
        Load(drop);
        g_scene = SCENE_PLAY;
        g_seOn = run == 2 ? 0 : 1;
        g_clockRunning = run == 1 ? 0 : 1;
        Frames(12);
        ASSERT_EQ(g_scene, SCENE_PLAY);
        int boulderY = g_items[2].y;
        UpdateItems();
        EXPECT_EQ(g_scene, SCENE_PLAY_CLEAR);
        EXPECT_EQ(g_clockRunning, 0);
        EXPECT_EQ(g_items[1].onTarget, 1);
        EXPECT_EQ(g_items[2].y, boulderY);
        EXPECT_EQ(SoundPlaying(SOUND_CLEAR), run == 0) << run;
        StopSound(SOUND_CLEAR);
        UpdateItems();
        EXPECT_EQ(g_scene, SCENE_PLAY_CLEAR);
        EXPECT_FALSE(SoundPlaying(SOUND_CLEAR)) << "the clear sound plays once";
    }
}

TEST_F(ItemRules, AStageWithoutTargetsClearsAtTheFirstItemInPlay)
{
    Load({"", "10X0Z0"});
    g_items[0].life = 0;
    UpdateItems();
    EXPECT_EQ(g_scene, SCENE_PLAY_CLEAR);
    EXPECT_EQ(g_items[1].y, 24) << "cleared before it fell";

    g_scene = SCENE_PLAY;
    Load({""});
    UpdateItems();
    EXPECT_EQ(g_scene, SCENE_PLAY) << "no item, no clear";
}

TEST_F(ItemRules, ItemsStartFromTheirOwnBoxNotTheBoardsCorner)
{
    ScratchFolder folder;
    folder.WriteFile("map/map1.map", WalledMap({SPARE_TARGET, "", "100000X010"}));
    g_bgmOn = 0;
    StartStage();
    ExpectBox(g_items[0], 72, 48, 95, 71);
    UpdateItems();
    EXPECT_EQ(g_items[0].x, 72);
    EXPECT_EQ(g_items[0].y, 48);
}

// Resting on icy tiles an ice block gets back the life it loses each pass;
// floating there under a wall it loses one a pass and gives each of the
// lives 2001, 1901 and 1801 one unit, not two.
TEST_F(ItemRules, IceOnIcyTilesReleasesLiquidOnlyForLifeReallyLost)
{
    Load({SPARE_TARGET, "1000[00010", "10Q0Q0Q010"});
    g_items[0].life = 2002;
    Frames(300);
    EXPECT_EQ(g_items[0].life, 2002);
    EXPECT_EQ(TotalLiquid(BOARD_ROWS), 0);

    Load({SPARE_TARGET, "100H[H0H10", "10Q0Q0Q010"});
    Frames(300);
    EXPECT_EQ(g_items[0].life, 1800);
    EXPECT_EQ(g_board[2][1].level, 24 + 3);
}

// Items off the board rest on its outside as on walls, and ice melting
// there, or in the hidden row, gives its liquid to no cell.
TEST_F(ItemRules, ItemsAtAndBeyondTheEdgesStayWithinTheBoard)
{
    Load({SPARE_TARGET, "10000000000000000000000000000000000000000000000000",
          "100000000000000000000000000000000000000000000000X0"});
    PlaceFrog(560, 36);
    Frames(5);
    EXPECT_EQ(g_items[0].x, 576) << "nothing lies beyond column 24";

    Load({SPARE_TARGET, "[0[0[0[0"});
    const int spots[][2] = {{-100, 200}, {650, 200}, {48, 460}, {200, -300}};
    for (int i = 0; i < 4; i++) {
        g_items[i].x = spots[i][0];
        g_items[i].y = spots[i][1];
        g_items[i].life = 1002;
        FitItemBox(&g_items[i]);
    }
    Frames(300);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(g_items[i].life, 702) << "melted past 1001, 901 and 801";
    }
    EXPECT_EQ(TotalLiquid(BOARD_ALL_ROWS), 0);
}

// A crate deep in the walls handed a step finds no free side within a cell
// and stays.
TEST_F(ItemRules, AnItemStuckInAWallStaysWhereItIs)
{
    Load({SPARE_TARGET, "10X0"});
    g_items[0].x = 24;
    g_items[0].y = 384;
    FitItemBox(&g_items[0]);
    g_items[0].pushDx = 3;
    UpdateItems();
    EXPECT_EQ(g_items[0].x, 24);
}

// A crate floating up in a flooded shaft lifts the metal block on it while the
// block has room above, and stays under it at a ceiling: it once pushed the
// block into the wall.
TEST_F(ItemRules, AFloatingCrateLiftsWhatItCarriesOnlyWhileThereIsRoom)
{
    Load({SPARE_TARGET, "1000", "10YH", "10XH", "100H", "100H"});
    Frames(80);
    EXPECT_LT(g_items[0].y, 48) << "lifted into the open row";
    EXPECT_EQ(g_items[1].box.top, g_items[0].box.bottom + 1) << "the crate right under it";

    Load({SPARE_TARGET, "1010", "10YH", "10XH", "100H", "100H"});
    Frames(80);
    EXPECT_EQ(g_items[0].y, 48) << "not into the ceiling";
    EXPECT_EQ(g_items[1].y, 72);
}

}  // namespace
