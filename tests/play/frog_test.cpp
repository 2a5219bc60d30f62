// The frog's movement on small boards written as map text, frame by frame:
// walking, ladders, swimming, falling, the jump, belts, switches, the clock,
// and positions beyond the board.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "play/frog.h"
#include "stage/board.h"
#include "stage/map_loading.h"
#include "stage/play_state.h"
#include "stage/switches.h"
#include "support/game_env.h"

namespace {

// A map row from tile characters, every parameter "0".
std::string Tiles(const std::string& tiles)
{
    std::string row;
    for (char tile : tiles) {
        row += tile;
        row += '0';
    }
    return row;
}

// Columns 1 to 10 open in rows 1 to 3 over a wall floor at row 4: a frog
// standing there has g_frogY 60.
const std::vector<std::string> ROOM = {"", Tiles("10000000000"), Tiles("10000000000"), Tiles("10000000000")};

void Place(int x, int y)
{
    g_frogX = x;
    g_frogY = y;
    g_frogRect = RECT{x + 6, y + 7, x + 18, y + 35};
}

// The board, and the frog as the stage start leaves it.
void Start(const std::vector<std::string>& rows, int x, int y)
{
    LoadMapText(WalledMap(rows));
    Place(x, y);
    g_frogVx = 0;
    g_frogVy = 0.0;
    g_frogOnItem = 0;
    g_frogAirborne = 0;
    g_groundSpeed = 0;
    g_frogAnimFrames = 1;
    g_frogAnimInterval = 100;
    g_clockRunning = 0;
    g_frogSwimPose = FROG_POSE_SWIM_RIGHT;
}

void Frames(int count)
{
    for (int i = 0; i < count; i++) {
        MoveFrog();
    }
}

void Hold(int key, bool down)
{
    g_key[key] = down ? 1 : 0;
}

class Frog : public testing::Test {
protected:
    void SetUp() override
    {
        ResetGame();
        g_now = 5000;
    }
};

TEST_F(Frog, FallsThreePixelsAFrameAndLandsOnTheFloorStartingTheClock)
{
    Start(ROOM, 48, 25);
    for (int frame = 1; frame <= 12; frame++) {
        MoveFrog();
        ASSERT_EQ(g_frogY, 25 + 3 * frame);
        ASSERT_EQ(g_clockRunning, 0) << "no clock while falling in";
    }
    MoveFrog();
    EXPECT_EQ(g_frogY, 60) << "feet put back on top of the floor";
    EXPECT_EQ(g_frogPose, FROG_POSE_STAND);
    EXPECT_EQ(g_clockRunning, 1);
    EXPECT_EQ(g_clockTick, 5000);
    Frames(5);
    EXPECT_EQ(g_frogY, 60);

    // Still rising from a jump of the last stage: it stops where it first
    // meets the floor, one pixel in.
    Start(ROOM, 48, 25);
    g_frogAirborne = 1;
    Frames(20);
    EXPECT_EQ(g_frogY, 61);
}

TEST_F(Frog, WalksTwoPixelsAFrameAndStopsAtWalls)
{
    Start(ROOM, 48, 60);
    Hold(VK_RIGHT, true);
    MoveFrog();
    EXPECT_EQ(g_frogX, 50);
    EXPECT_EQ(g_frogPose, FROG_POSE_RIGHT);
    EXPECT_EQ(g_frogAnimFrames, 4);
    Frames(200);
    EXPECT_EQ(g_frogX, 245) << "hit box right edge one pixel before the wall at 264";
    EXPECT_EQ(g_frogY, 60);

    Hold(VK_LEFT, true);
    MoveFrog();
    EXPECT_EQ(g_frogX, 245) << "both arrows: no step";
    EXPECT_EQ(g_frogPose, FROG_POSE_RIGHT);
    Hold(VK_RIGHT, false);
    Frames(200);
    EXPECT_EQ(g_frogX, 18) << "hit box left edge on the wall's right edge plus one";
    EXPECT_EQ(g_frogPose, FROG_POSE_LEFT);
    Hold(VK_LEFT, false);
    MoveFrog();
    EXPECT_EQ(g_frogPose, FROG_POSE_STAND);
    EXPECT_EQ(g_frogAnimFrames, 1);
}

TEST_F(Frog, StaysWithinTheBoardsPixelRangeOnAnOpenRow)
{
    std::string open = Tiles(std::string(25, '0'));
    Start({"", open, open, open}, 4, 60);
    Hold(VK_LEFT, true);
    Frames(5);
    EXPECT_EQ(g_frogX, 0);
    Hold(VK_LEFT, false);
    Hold(VK_RIGHT, true);
    Frames(300);
    EXPECT_EQ(g_frogX, 576);
}

// A ladder in column 2 from row 2 to row 4, under a wall at row 0.
TEST_F(Frog, ClimbsLaddersWithoutFallingOrJumping)
{
    std::vector<std::string> rows = {"", Tiles("10000"), Tiles("10200"), Tiles("10200"), Tiles("10200")};
    Start(rows, 48, 84);
    Hold(VK_UP, true);
    MoveFrog();
    EXPECT_EQ(g_frogY, 82);
    Frames(10);
    EXPECT_EQ(g_frogY, 62);
    EXPECT_EQ(g_frogPose, FROG_POSE_LADDER);
    EXPECT_EQ(g_frogAnimFrames, 2);

    Hold(VK_UP, false);
    Hold('X', true);
    Frames(10);
    EXPECT_EQ(g_frogY, 62) << "held on the ladder, no jump";
    EXPECT_EQ(g_frogVy, 0.0);
    EXPECT_EQ(g_frogAnimFrames, 1);
    Hold('X', false);

    Hold(VK_UP, true);
    Frames(100);
    EXPECT_EQ(g_frogY, 18) << "the head stops two pixels under the wall";
    Hold(VK_UP, false);
    Hold(VK_DOWN, true);
    Frames(100);
    EXPECT_EQ(g_frogY, 84);

    Hold(VK_DOWN, false);
    Start(rows, 48, 40);
    MoveFrog();
    EXPECT_EQ(g_clockRunning, 1);
    EXPECT_EQ(g_frogY, 40);
}

// Rows 3 to 5 full of liquid over a floor at row 6, dry air above.
// A frog whose test point 14 px below its box top lands exactly on a row's
// top edge in deep water once could not swim up: that cell's surface is its
// own top edge, and only the full cell above says the point is under water.
TEST_F(Frog, SwimsUpThroughDeepWaterFromAnyHeight)
{
    std::string wet = "10" + std::string("0H0H0H0H0H0H0H0H");
    Start({"", wet, wet, wet, wet, wet}, 48, 75);
    Hold(VK_UP, true);
    MoveFrog();
    EXPECT_EQ(g_frogY, 73) << "the point at y 96 lies under the water of row 3";
    Frames(60);
    EXPECT_LT(g_frogY, 24) << "up to the surface at the top of row 1";
}

TEST_F(Frog, SwimsInFourDirectionsAndFloatsAtTheSurface)
{
    std::string wet = "10" + std::string("0H0H0H0H0H0H0H0H");
    std::vector<std::string> pool = {"", Tiles("100000000"), Tiles("100000000"), wet, wet, wet};
    Start(pool, 48, 96);
    g_frogSwimPose = FROG_POSE_SWIM_RIGHT;
    Frames(5);
    EXPECT_EQ(g_frogY, 96) << "liquid holds the frog up";
    EXPECT_EQ(g_frogPose, FROG_POSE_SWIM_RIGHT);
    EXPECT_EQ(g_frogAnimFrames, 2);
    EXPECT_EQ(g_clockRunning, 1);

    Hold(VK_LEFT, true);
    MoveFrog();
    EXPECT_EQ(g_frogX, 46);
    Hold(VK_LEFT, false);
    MoveFrog();
    EXPECT_EQ(g_frogPose, FROG_POSE_SWIM_LEFT) << "the last steering is kept";

    Hold(VK_DOWN, true);
    Frames(20);
    EXPECT_EQ(g_frogY, 108);
    Hold(VK_DOWN, false);
    Hold(VK_UP, true);
    Frames(40);
    EXPECT_EQ(g_frogY, 50) << "hit box top 15 px over the surface at 72";
    Hold(VK_UP, false);
    Frames(10);
    EXPECT_EQ(g_frogY, 50);

    g_frogVy = 3.0;
    MoveFrog();
    EXPECT_EQ(g_frogVy, 0.0) << "a jump ends in liquid";
}

TEST_F(Frog, JumpRisesTwentyNinePixelsAndLandsWhereItStarted)
{
    Start(ROOM, 48, 60);
    Hold('X', true);
    const int rises[] = {4, 4, 3, 3, 3, 3, 2, 2, 2, 1, 1, 1};
    for (int rise : rises) {
        int before = g_frogY;
        MoveFrog();
        ASSERT_EQ(before - g_frogY, rise);
    }
    int top = g_frogY;
    for (int frame = 0; frame < 40; frame++) {
        MoveFrog();
        ASSERT_GE(g_frogY, top);
        ASSERT_LE(g_frogY, 62) << "the feet may sink two pixels in for a frame before they are set back";
    }
    EXPECT_EQ(g_frogY, 60);
    EXPECT_EQ(g_frogVy, 0.0);
    EXPECT_EQ(g_frogAirborne, 0);
    Frames(20);
    EXPECT_EQ(g_frogY, 60) << "X still held: no second jump";
    Hold('X', false);
    MoveFrog();
    Hold('X', true);
    MoveFrog();
    EXPECT_EQ(g_frogY, 56);
}

TEST_F(Frog, JumpKeepsItsTakeOffSpeedSteersAndBumpsItsHead)
{
    Start({"", Tiles("1000000000"), Tiles("1000000000")}, 48, 36);
    Hold(VK_RIGHT, true);
    Hold('X', true);
    MoveFrog();
    EXPECT_EQ(g_frogVx, 2);
    Hold(VK_RIGHT, false);
    Hold(VK_LEFT, true);
    int highestTop = g_frogRect.top;
    for (int frame = 0; frame < 6; frame++) {
        MoveFrog();
        highestTop = std::min(highestTop, (int)g_frogRect.top);
    }
    EXPECT_EQ(g_frogVx, -2) << "steering one pixel a frame, at most two either way";
    EXPECT_EQ(g_frogPose, FROG_POSE_LEFT);
    EXPECT_EQ(g_frogAnimFrames, 2);
    EXPECT_EQ(highestTop, 24) << "the head stops under the wall of row 0";
    Hold(VK_LEFT, false);
    Frames(30);
    EXPECT_EQ(g_frogY, 36);
    EXPECT_EQ(g_frogVx, 0) << "landing ends the sideways speed";
}

// A belt from column 1 to 6 in the floor row, running right from the start.
TEST_F(Frog, BeltsCarryTheFrogAndTheJumpFromThem)
{
    std::vector<std::string> rows = ROOM;
    rows.push_back("10G1H0H0H0H0J0");
    Start(rows, 48, 60);
    Frames(10);
    EXPECT_EQ(g_frogX, 58);
    EXPECT_EQ(g_groundSpeed, 1);
    Hold(VK_LEFT, true);
    Frames(4);
    EXPECT_EQ(g_frogX, 54) << "walking against the belt";
    Hold(VK_LEFT, false);
    Hold(VK_RIGHT, true);
    Frames(4);
    EXPECT_EQ(g_frogX, 66) << "walking with the belt";

    Hold('X', true);
    MoveFrog();
    EXPECT_EQ(g_frogVx, 3);
    Frames(5);
    EXPECT_EQ(g_frogVx, 3) << "steering stays within two of the belt's speed";

    Hold(VK_RIGHT, false);
    Hold('X', false);
    rows.back() = "10G/H0H0H0H0J0";
    Start(rows, 48, 60);
    Frames(10);
    EXPECT_EQ(g_frogX, 38);
}

// A plate at (3, 3) drives the porthole in the wall at (5, 0).
TEST_F(Frog, FeetPressAPlateOnceLowEnoughAndItStaysPressed)
{
    Start({"1010101010F1", Tiles("10000000000"), Tiles("10000000000"), "100000P0"}, 72, 30);
    Frames(9);
    EXPECT_EQ(g_frogY, 57);
    EXPECT_EQ(g_switchState[1], 0) << "5 px over the feet was still in the plate's top 12 px";
    MoveFrog();
    EXPECT_EQ(g_board[3][3].switchOn, 1);
    EXPECT_EQ(g_switchState[1], 1);
    EXPECT_EQ(g_board[5][0].permeable, 1);
    Hold(VK_LEFT, true);
    Frames(30);
    EXPECT_EQ(g_switchState[1], 1);
}

// A wheel at (2, 3) drives the porthole at (5, 0).
TEST_F(Frog, ZTurnsAWheelOncePerPressAndOnlyWithNoOtherKeys)
{
    Start({"1010101010F1", Tiles("10000000000"), Tiles("10000000000"), "1000A0"}, 48, 60);
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_board[2][3].switchOn, 1);
    EXPECT_EQ(g_switchState[1], 1);
    EXPECT_EQ(g_board[5][0].active, 1);
    EXPECT_EQ(g_frogPose, FROG_POSE_OPERATE);
    EXPECT_EQ(g_frogAnimTime, 4900) << "the operate picture shows at the next animation step";
    MoveFrog();
    EXPECT_EQ(g_switchState[1], 1) << "held Z turns once";
    EXPECT_EQ(g_frogPose, FROG_POSE_STAND);

    Hold('Z', false);
    MoveFrog();
    Hold(VK_UP, true);
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_switchState[1], 1) << "an arrow held blocks the turn";
    Hold(VK_UP, false);
    MoveFrog();
    EXPECT_EQ(g_switchState[1], 0) << "the latch was not set";
    EXPECT_EQ(g_board[5][0].permeable, 0);

    Place(48, 45);
    Hold('Z', false);
    MoveFrog();
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_switchState[1], 0) << "no turning while falling past the wheel";
    EXPECT_EQ(g_keyLatch['Z'], 0);

    Place(24, 60);
    Hold('Z', false);
    MoveFrog();
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_frogPose, FROG_POSE_OPERATE) << "nothing to turn still shows the picture";
    EXPECT_EQ(g_keyLatch['Z'], 1);
}

TEST_F(Frog, ZThrowsLeversAndTurnsOneSwitchOfEachKindBesideTheFeet)
{
    Start({"", Tiles("10000000000"), Tiles("10000000000"), "1000N1N0"}, 48, 60);
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_switchState[1], -1);
    EXPECT_EQ(g_board[2][3].frameBase, 0);
    Hold('Z', false);
    MoveFrog();
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_switchState[1], 1);
    EXPECT_EQ(g_board[2][3].frameBase, 2);

    // A lever at rest stays at rest.
    Place(72, 60);
    Hold('Z', false);
    MoveFrog();
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_switchState[2], 0);

    Start({"", Tiles("10000000000"), Tiles("10000000000"), "1000A0A0N1"}, 60, 60);
    Hold('Z', false);
    MoveFrog();
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_switchState[1], 1) << "the left edge's wheel";
    EXPECT_EQ(g_switchState[2], 0);
    Place(84, 60);
    Hold('Z', false);
    MoveFrog();
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_switchState[2], 1);
    EXPECT_EQ(g_switchState[3], -1) << "a wheel and a lever in one press";
}

TEST_F(Frog, OnAnItemItWalksAndJumpsButSinksAndCannotOperate)
{
    Start(ROOM, 48, 20);
    g_frogOnItem = 1;
    MoveFrog();
    EXPECT_EQ(g_frogY, 23);
    EXPECT_EQ(g_clockRunning, 1);
    Hold('Z', true);
    MoveFrog();
    EXPECT_NE(g_frogPose, FROG_POSE_OPERATE);
    Hold('Z', false);
    Hold(VK_RIGHT, true);
    MoveFrog();
    EXPECT_EQ(g_frogX, 50);
    Hold('X', true);
    MoveFrog();
    EXPECT_EQ(g_frogVy, -4.5 + 0.3);
    EXPECT_EQ(g_frogY, 28) << "the sink of this frame, then the first rise";
}

TEST(FrogSound, WheelsAndLeversSoundOnlyWithEffectsOn)
{
    HWND window = StartDisplay();
    ASSERT_TRUE(InitializeSound(window));
    Start({"", Tiles("10000000000"), Tiles("10000000000"), "1000A0N1"}, 60, 60);
    Hold('Z', true);
    MoveFrog();
    EXPECT_TRUE(SoundPlaying(SOUND_VALVE));
    EXPECT_TRUE(SoundPlaying(SOUND_CSWITCH));
    ReleaseSound();

    ASSERT_TRUE(InitializeSound(window));
    g_seOn = 0;
    g_keyLatch['Z'] = 0;
    MoveFrog();
    EXPECT_EQ(g_switchState[1], 0);
    EXPECT_FALSE(SoundPlaying(SOUND_VALVE));
    EXPECT_FALSE(SoundPlaying(SOUND_CSWITCH));
    ReleaseSound();
}

// Positions the game itself never reaches, as the item rules may leave them.
TEST_F(Frog, PointsBeyondTheBoardReadAsWalls)
{
    const int places[][2] = {{-60, 30}, {700, 30}, {100, -200}, {100, 600}, {-1000, -1000}};
    for (const auto& place : places) {
        Start(ROOM, place[0], place[1]);
        Hold('X', true);
        MoveFrog();
        EXPECT_EQ(g_clockRunning, 1) << place[0] << "," << place[1] << ": standing on the outside";
        EXPECT_EQ(g_frogHeadroom, 0) << place[0] << "," << place[1];
        EXPECT_GE(g_frogX, 0);
        EXPECT_LE(g_frogX, 576);
        Hold('X', false);
        MoveFrog();
    }
}

TEST_F(Frog, AFrogInsideWallsGivesWayAtMostOneCellAFrame)
{
    Start({}, 100, 100);
    Hold(VK_RIGHT, true);
    MoveFrog();
    EXPECT_LE(std::abs(g_frogX - 100), 26);
    Place(100, 100);
    g_frogVy = -4.5;
    MoveFrog();
    EXPECT_LE(std::abs(g_frogY - 100), 29);
}

TEST_F(Frog, SwitchNumbersOutsideTheTableAreNotWritten)
{
    Start({"", Tiles("10000000000"), Tiles("10000000000"), "1000A0P0"}, 60, 60);
    g_board[2][3].switchNo = -1;
    g_board[3][3].switchNo = SWITCH_SLOTS + 3;
    std::vector<int> before(g_switchState, g_switchState + SWITCH_SLOTS);
    Hold('Z', true);
    MoveFrog();
    EXPECT_EQ(g_board[2][3].switchOn, 1);
    EXPECT_EQ(g_board[3][3].switchOn, 1);
    EXPECT_EQ(std::vector<int>(g_switchState, g_switchState + SWITCH_SLOTS), before);
}

}  // namespace
