// The play screen and the stage-clear sequence driven frame by frame through
// the frame tick, with keys, on a small walled room.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "play/play_screen.h"
#include "seam.h"
#include "stage/board.h"
#include "stage/board_dump.h"
#include "stage/game_rand.h"
#include "stage/map_loading.h"
#include "stage/play_state.h"
#include "support/game_env.h"
#include "support/screen_driver.h"
#include "video/atlas.h"
#include "video/bitmap_util.h"
#include "video/display.h"
#include "video/draw.h"

namespace {

// A room over a wall floor at row 5: five units of liquid in mid-air at
// (7, 2), a target nobody covers at (9, 4), the frog dropped in at (2, 2).
const std::vector<std::string> ROOM = {
    "",
    "10000000000000000000000000",
    "10000000000000050000000000",
    "10000000000000000000000000",
    "100000000000000000R0000000",
};

// The clock's digits and separator, 12 pixels apart.
const TimePictures CLOCK = {ATLAS_CLOCK_DIGIT, ATLAS_CLOCK_SEPARATOR, 12, 12};

class PlayScreen : public ScreenDriver {
protected:
    void SetUp() override
    {
        ScreenDriver::SetUp();
        folder.WriteFile("map/map1.map", WalledMap(ROOM, "22"));
        g_stageCount = 1;
        g_openStageCount = 1;
        g_stageNo = 1;
        g_randSeed = 1;
    }
    // Starts the stage under a bright palette, so its fade-in ends at once.
    void StartPlaying()
    {
        g_palette->SetEntries(0, 0, 256, g_paletteTarget);
        g_scene = SCENE_PLAY_INIT;
        Frame();
        ASSERT_EQ(g_fadeInPending, 0);
    }
    // The clock as the last presented frame shows it, read glyph by glyph.
    std::string ClockShown() const { return TimeShown(CLOCK, 490, 457); }
};

TEST_F(PlayScreen, TheFadeInComposesTheStageAndMovesTheFrogButReadsNoInput)
{
    SetPaletteBlack();
    Hold('C', true);
    g_scene = SCENE_PLAY_INIT;
    Frame();
    EXPECT_EQ(ClockShown(), "00'00'000") << "the first frame is composed down to the clock";
    int startY = g_frogY;
    for (int frame = 2; frame <= 12; frame++) {
        Frame();
        ASSERT_EQ(g_fadeInPending, 1) << "frame " << frame;
        ASSERT_EQ(g_key['C'], 0) << "input read in frame " << frame;
    }
    EXPECT_GT(g_frogY, startY) << "the frog falls in during the fade-in";
    Frame();
    EXPECT_EQ(g_fadeInPending, 0) << "the fade-in takes 13 frames from black";
    EXPECT_EQ(g_paused, 1) << "the held C acts in the frame the fade-in ends";
}

TEST_F(PlayScreen, TheClockShowsItsFormatSkipsPausedTimeAndStopsAtItsLimit)
{
    StartPlaying();
    Tap('C');
    g_clockRunning = 0;
    Frames(3);
    EXPECT_EQ(ClockShown(), "00'00'000") << "no time before the frog has landed";
    g_playTime = 65250;
    Frame();
    EXPECT_EQ(ClockShown(), "01'05'250");

    g_playTime = 0;
    g_clockRunning = 1;
    g_clockTick = (int)g_now;
    seam::AdvanceTicks(60000);
    Frames(3);
    EXPECT_EQ(g_playTime, 0u) << "a minute in the pause menu is not counted";
    Hold('X', true);
    Frame();
    Hold('X', false);
    ASSERT_EQ(g_paused, 0);
    Frames(10);
    EXPECT_EQ(g_playTime, 160u);
    EXPECT_EQ(ClockShown(), "00'00'160");

    g_playTime = 5999990;
    Frames(2);
    EXPECT_EQ(g_playTime, 5999999u);
    EXPECT_EQ(ClockShown(), "99'59'999");
}

TEST_F(PlayScreen, ThePauseMenuStopsFrogLiquidAndItems)
{
    Hold('C', true);
    StartPlaying();
    Hold('C', false);
    ASSERT_EQ(g_paused, 1);
    std::string board = DumpBoardText();
    int frogY = g_frogY;
    Frames(30);
    EXPECT_EQ(DumpBoardText(), board);
    EXPECT_EQ(g_frogY, frogY);
    Tap('C');
    ASSERT_EQ(g_paused, 0);
    EXPECT_NE(DumpBoardText(), board) << "the liquid flows again once the menu is closed";
}

TEST_F(PlayScreen, CTogglesOnFreshPressesAndWithZOnExitClosesAtOnce)
{
    StartPlaying();
    Hold('C', true);
    Frames(3);
    EXPECT_EQ(g_paused, 1) << "a held C opens the menu once";
    Hold('C', false);
    Frame();
    Tap('C');
    EXPECT_EQ(g_paused, 0);

    ASSERT_EQ(g_pauseCursor, 3);
    Hold('Z', true);
    Hold('C', true);
    Frame();
    EXPECT_EQ(g_paused, 0) << "Z on EXIT closes the menu C opened in the same frame";
    EXPECT_EQ(g_keyLatch['C'], 1);
    EXPECT_EQ(g_leaving, 0);
}

TEST_F(PlayScreen, TheCursorWrapsMovesOncePerPressAndIsSilentWithEffectsOff)
{
    StartPlaying();
    Tap('C');
    Hold(VK_DOWN, true);
    Frame();
    EXPECT_TRUE(SoundPlaying(SOUND_CURSOR));
    Frames(2);
    Hold(VK_DOWN, false);
    EXPECT_EQ(g_pauseCursor, 0) << "down from EXIT wraps to the first entry, once";
    Frame();
    g_seOn = 0;
    StopSound(SOUND_CURSOR);
    Tap(VK_UP);
    EXPECT_EQ(g_pauseCursor, 3) << "up from the first entry wraps to EXIT";
    EXPECT_FALSE(SoundPlaying(SOUND_CURSOR));
}

struct LeavingEntry {
    int downPresses;
    BYTE scene;
};

class PauseMenuEntry : public PlayScreen, public testing::WithParamInterface<LeavingEntry> {};

TEST_P(PauseMenuEntry, ZFadesOutStopsTheMusicAndChangesScene)
{
    StartPlaying();
    Tap('C');
    for (int i = 0; i < GetParam().downPresses; i++) {
        Tap(VK_DOWN);
    }
    Hold('Z', true);
    Frame();
    Hold('Z', false);
    ASSERT_EQ(g_leaving, 1);
    for (int frame = 1; frame < 13; frame++) {
        Frame();
        ASSERT_EQ(g_scene, SCENE_PLAY) << "left after " << frame << " fade steps";
    }
    EXPECT_TRUE(SoundPlaying(g_stageBgm)) << "the music plays to the end of the fade";
    Frame();
    EXPECT_EQ(g_scene, GetParam().scene);
    EXPECT_FALSE(SoundPlaying(g_stageBgm));
}

INSTANTIATE_TEST_SUITE_P(Entries, PauseMenuEntry,
                         testing::Values(LeavingEntry{1, SCENE_TITLE_INIT}, LeavingEntry{2, SCENE_SELECT_INIT},
                                         LeavingEntry{3, SCENE_PLAY_INIT}));

TEST_F(PlayScreen, RestartGivesTheSameBoardAClearedClockAndANewlyChosenMusic)
{
    GameRand();
    SetPaletteBlack();
    g_scene = SCENE_PLAY_INIT;
    Frame();
    std::string mapBoard = DumpBoardText();
    ASSERT_EQ(g_stageBgm, SOUND_GAME2);
    Frames(20);
    ASSERT_NE(DumpBoardText(), mapBoard) << "the liquid should have moved";
    g_clockRunning = 1;
    g_playTime = 12345;
    Tap('C');
    Tap(VK_UP);
    ASSERT_EQ(g_pauseCursor, 2);
    Hold('Z', true);
    Frame();
    Hold('Z', false);
    Frames(13);
    ASSERT_EQ(g_scene, SCENE_PLAY_INIT);
    Frame();
    EXPECT_EQ(g_stageNo, 1);
    EXPECT_EQ(DumpBoardText(), mapBoard);
    EXPECT_EQ(g_frogX, 2 * CELL_SIZE);
    EXPECT_EQ(ClockShown(), "00'00'000");
    EXPECT_EQ(g_fadeInPending, 1) << "the restarted stage fades in from black";
    EXPECT_EQ(g_stageBgm, SOUND_GAME1);
    EXPECT_FALSE(SoundPlaying(SOUND_GAME2));
    EXPECT_TRUE(SoundPlaying(SOUND_GAME1));
}

// The clear sequence entered from a stage that was playing, as the item
// rules leave it: clock stopped, frog picture step just taken.
class StageClear : public PlayScreen {
protected:
    void EnterClear()
    {
        StartPlaying();
        Frames(10);
        g_clockRunning = 0;
        g_frogAnimFrame = 0;
        g_frogAnimTime = (int)g_now;
        g_frogAnimInterval = 100;
        g_scene = SCENE_PLAY_CLEAR;
    }
    // Frames of the sequence until the scene changes: the frame numbers
    // (from 1) at which the swing count rose and the croak was dealt with.
    void RunToResult()
    {
        countFrames.clear();
        croakFrame = 0;
        for (int frame = 1; frame < 400 && g_scene == SCENE_PLAY_CLEAR; frame++) {
            int bounces = g_clearBounces;
            int pending = g_clearSoundPending;
            Frame();
            if (g_clearBounces != bounces) {
                countFrames.push_back(frame);
            }
            if (pending && !g_clearSoundPending) {
                croakFrame = frame;
                croakPlayed = SoundPlaying(SOUND_CROAK);
            }
            lastFrame = frame;
        }
    }
    // A frog picture by its top-left corner.
    static LONG Picture(const RECT& r) { return r.left * 1000 + r.top; }
    std::vector<int> countFrames;
    int croakFrame = 0;
    bool croakPlayed = false;
    int lastFrame = 0;
};

TEST_F(StageClear, LettersEnterOneAfterAnotherAndZSkipsOnlyOnceTheyAreIn)
{
    EnterClear();
    Hold('Z', true);
    int firstMove[CLEAR_LETTERS] = {};
    for (int frame = 1; frame <= 22; frame++) {
        double before[CLEAR_LETTERS];
        std::copy(g_clearLetterY, g_clearLetterY + CLEAR_LETTERS, before);
        Frame();
        for (int i = 0; i < CLEAR_LETTERS; i++) {
            if (firstMove[i] == 0 && g_clearLetterY[i] != before[i]) {
                firstMove[i] = frame;
            }
        }
        ASSERT_EQ(g_clearBounces, 0) << "Z read in frame " << frame;
    }
    EXPECT_EQ(std::vector<int>(firstMove, firstMove + CLEAR_LETTERS), (std::vector<int>{1, 1, 2, 6, 13}));
    EXPECT_LE(g_clearLetterY[4], -108.0);
    Frame();
    EXPECT_GT(g_clearLetterY[4], -108.0) << "every letter shows from frame 23";
    EXPECT_EQ(g_clearBounces, 3) << "Z skips the swings once the letters are in";
    EXPECT_EQ(g_keyLatch['Z'], 0) << "the skip leaves the Z latch to the result screen";
    Frames(11);
    EXPECT_EQ(g_scene, SCENE_PLAY_CLEAR);
    EXPECT_TRUE(SoundPlaying(g_stageBgm));
    Frame();
    EXPECT_EQ(g_scene, SCENE_RESULT_INIT);
    EXPECT_FALSE(SoundPlaying(g_stageBgm));
    EXPECT_EQ(g_clearSoundPending, 1) << "a skip before the second swing has no croak";
}

TEST_F(StageClear, ThreeSwingsThenAFadeOutWithTheCroakAtTheSecondOnlyWithEffectsOn)
{
    for (BYTE effects : {1, 0}) {
        g_seOn = effects;
        StopSound(SOUND_CROAK);
        EnterClear();
        RunToResult();
        ASSERT_EQ(countFrames.size(), 3u);
        EXPECT_NEAR(countFrames[0], 52, 2);
        EXPECT_EQ(countFrames[1], countFrames[0] + 64);
        EXPECT_EQ(countFrames[2], countFrames[1] + 64);
        EXPECT_EQ(croakFrame, countFrames[1] + 1);
        EXPECT_EQ(croakPlayed, effects == 1);
        EXPECT_EQ(lastFrame, countFrames[2] + 12) << "the fade-out starts in the frame of the third swing";
        EXPECT_EQ(g_scene, SCENE_RESULT_INIT);
    }
}

TEST_F(StageClear, TheFrogSpinsToFaceThePlayerThenJumpsOnceEndingOnePixelAbove)
{
    EnterClear();
    int startY = g_frogY;
    int highest = startY;
    std::vector<LONG> pictures;
    for (int frame = 0; frame < 150; frame++) {
        Frame();
        if (g_frogAnimFrame < 8) {
            ASSERT_EQ(g_frogY, startY) << "the jump waits for the end of the spin";
        }
        if (pictures.empty() || pictures.back() != Picture(g_clearFrogSrc)) {
            pictures.push_back(Picture(g_clearFrogSrc));
        }
        highest = std::min(highest, g_frogY);
    }
    LONG front = Picture(AtlasRect(ATLAS_FROG_STAND));
    LONG left = Picture(AtlasRect(ATLAS_FROG_LEFT));
    LONG back = Picture(AtlasRect(ATLAS_FROG_OPERATE));
    LONG right = Picture(AtlasRect(ATLAS_FROG_RIGHT));
    EXPECT_EQ(pictures, (std::vector<LONG>{front, left, back, right, front, left, back, right, front}));
    EXPECT_EQ(highest, startY - 22);
    EXPECT_EQ(g_frogY, startY - 1);
}

}  // namespace
