// The prolog, title and option screens driven frame by frame with keys.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/frame.h"
#include "audio/sound.h"
#include "input/input.h"
#include "input/joystick.h"
#include "screens/prolog.h"
#include "screens/title.h"
#include "seam.h"
#include "stage/map_loading.h"
#include "stage/play_state.h"
#include "support/game_env.h"
#include "video/display.h"

namespace {

class MenuScreens : public testing::Test {
protected:
    void SetUp() override
    {
        window = StartDisplay();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(InitializeSound(window));
    }
    void TearDown() override { ReleaseSound(); }
    // Runs frames, 16 ms apart, until the scene is `scene` or `limit` frames passed.
    int FramesUntil(BYTE scene, int limit)
    {
        for (int frame = 1; frame <= limit; frame++) {
            seam::AdvanceTicks(16);
            UpdateFrame(window);
            if (g_scene == scene) {
                return frame;
            }
        }
        return -1;
    }
    void RunFrames(int count)
    {
        for (int frame = 0; frame < count; frame++) {
            seam::AdvanceTicks(16);
            UpdateFrame(window);
        }
    }
    void Press(int key, bool down) { seam::SetKeyDown(key, down); }
    // One press: a frame with the key held, then a frame with it released.
    void Tap(int key)
    {
        Press(key, true);
        UpdateFrame(window);
        Press(key, false);
        UpdateFrame(window);
    }
    HWND window = NULL;
};

TEST_F(MenuScreens, TheFirstFrameRunsInitAndRunOfTheProlog)
{
    UpdateFrame(window);
    EXPECT_EQ(g_scene, SCENE_PROLOG);
    EXPECT_EQ(g_prologLevel, 5) << "the run function followed the init in the same frame";
    PALETTEENTRY entries[256];
    g_palette->GetEntries(0, 0, 256, entries);
    EXPECT_LE(entries[200].peRed, 5) << "the prolog starts from black";
}

TEST_F(MenuScreens, ZSkipsTheProlog)
{
    UpdateFrame(window);
    Press('Z', true);
    int frames = FramesUntil(SCENE_TITLE, 60);
    EXPECT_GT(frames, 0) << "the skip's fade-out should end the prolog";
    EXPECT_EQ(g_prologPage, 0) << "no further pages after a skip";
}

// The prolog's own latch: a Z still held from the last skip does not skip the
// prolog when it comes round again; a new press does.
TEST_F(MenuScreens, AZHeldFromTheLastSkipDoesNotSkipThePrologAgain)
{
    UpdateFrame(window);
    Press('Z', true);
    ASSERT_GT(FramesUntil(SCENE_TITLE, 60), 0);
    g_scene = SCENE_PROLOG_INIT;
    RunFrames(20);
    EXPECT_EQ(g_prologSkip, 0);
    EXPECT_EQ(g_prologFadingIn, 1);
    Press('Z', false);
    UpdateFrame(window);
    Press('Z', true);
    UpdateFrame(window);
    EXPECT_EQ(g_prologSkip, 1) << "a new press during the fade-in skips";
}

TEST_F(MenuScreens, TheTitleReturnsToThePrologAfterThirtySecondsIdle)
{
    g_scene = SCENE_TITLE_INIT;
    ASSERT_GT(FramesUntil(SCENE_TITLE, 1), 0);
    EXPECT_EQ(FramesUntil(SCENE_PROLOG_INIT, 1800), -1) << "left before 30 s were up";
    EXPECT_GT(FramesUntil(SCENE_PROLOG_INIT, 200), 0);
}

TEST_F(MenuScreens, ACursorMoveRestartsTheAttractTimer)
{
    g_scene = SCENE_TITLE_INIT;
    RunFrames(1500);
    Tap(VK_DOWN);
    EXPECT_EQ(FramesUntil(SCENE_PROLOG_INIT, 1800), -1) << "the move 24 s in did not restart the timer";
    EXPECT_GT(FramesUntil(SCENE_PROLOG_INIT, 200), 0);
}

// Down and Z during GAME START's fade-out once opened the option screen with
// the palette still dark: the menu takes no keys once it fades out.
TEST_F(MenuScreens, TheTitleMenuTakesNoKeysOnceGameStartFadesOut)
{
    g_scene = SCENE_TITLE_INIT;
    RunFrames(100);
    ASSERT_EQ(g_scene, SCENE_TITLE);
    Tap('Z');
    ASSERT_EQ(g_titleLeaving, 1);
    Tap(VK_DOWN);
    Tap('Z');
    EXPECT_EQ(g_titleCursor, 0);
    EXPECT_GT(FramesUntil(SCENE_SELECT_INIT, 30), 0) << "the fade-out went elsewhere";
}

// The attract timer runs on through GAME START's fade-out: a start just
// before 30 s ends in the prolog.
TEST_F(MenuScreens, TheAttractTimerRunsOnThroughGameStartsFadeOut)
{
    g_scene = SCENE_TITLE_INIT;
    RunFrames(1870);
    ASSERT_EQ(g_scene, SCENE_TITLE);
    Tap('Z');
    ASSERT_EQ(g_titleLeaving, 1);
    ASSERT_EQ(g_titleToProlog, 0);
    EXPECT_GT(FramesUntil(SCENE_PROLOG_INIT, 30), 0) << "the fade-out did not turn to the prolog";
    EXPECT_FALSE(SoundPlaying(SOUND_TITLE));
}

TEST_F(MenuScreens, TheOptionCursorNeverRestsOnTheBlankRowAndZTogglesMusic)
{
    g_scene = SCENE_OPTION_INIT;
    UpdateFrame(window);
    ASSERT_EQ(g_scene, SCENE_OPTION);
    Tap(VK_UP);
    EXPECT_EQ(g_optionCursor, 3) << "up from BGM goes to EXIT";
    Tap(VK_UP);
    EXPECT_EQ(g_optionCursor, 1) << "up from EXIT skips the blank row";
    Tap(VK_DOWN);
    EXPECT_EQ(g_optionCursor, 3) << "down from SE skips the blank row";
    Tap(VK_DOWN);
    ASSERT_EQ(g_optionCursor, 0);
    Tap('Z');
    EXPECT_EQ(g_bgmOn, 0);
    EXPECT_FALSE(SoundPlaying(SOUND_TITLE)) << "the music stops at once";
    Tap('Z');
    EXPECT_EQ(g_bgmOn, 1);
    EXPECT_TRUE(SoundPlaying(SOUND_TITLE)) << "and starts again at once";
    Press('X', true);
    UpdateFrame(window);
    EXPECT_EQ(g_scene, SCENE_TITLE_INIT);
}

TEST_F(MenuScreens, AZHeldIntoTheTitleDoesNothingUntilReleased)
{
    Press('Z', true);
    g_scene = SCENE_TITLE_INIT;
    for (int frame = 0; frame < 20; frame++) {
        UpdateFrame(window);
    }
    EXPECT_EQ(g_titleLeaving, 0);
    Press('Z', false);
    UpdateFrame(window);
    Press('Z', true);
    UpdateFrame(window);
    EXPECT_EQ(g_titleLeaving, 1);
}

}  // namespace

namespace {

// A player with only a pad: the d-pad and the A button walk the prolog, the
// title and the option screen.
TEST_F(MenuScreens, ThePadAloneDrivesEveryMenuScreen)
{
    seam::AttachJoystick();
    ASSERT_EQ(InitJoystick(window, GetModuleHandleA(NULL)), DI_OK);
    g_joystick->Acquire();
    g_useJoystick = 1;
    auto tap = [&](SDL_GameControllerButton button) {
        seam::SetJoystickButton(0, button, true);
        UpdateFrame(window);
        seam::SetJoystickButton(0, button, false);
        UpdateFrame(window);
    };
    UpdateFrame(window);
    seam::SetJoystickButton(0, SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_GT(FramesUntil(SCENE_TITLE, 60), 0) << "A skips the prolog";
    seam::SetJoystickButton(0, SDL_CONTROLLER_BUTTON_A, false);
    RunFrames(20);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(g_titleCursor, 1);
    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(g_scene, SCENE_OPTION);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(g_seOn, 0) << "A on SE switched effects off";
    seam::SetJoystickButton(0, SDL_CONTROLLER_BUTTON_B, true);
    UpdateFrame(window);
    EXPECT_EQ(g_scene, SCENE_TITLE_INIT) << "B leaves the option screen";
}

// The same player goes on: the title's GAME START, a stage chosen, paused and
// resumed, played with the stick to its clear, the clear skipped and the
// result left, all with the pad alone.
TEST_F(MenuScreens, ThePadAloneChoosesPlaysAndClearsAStage)
{
    ScratchFolder folder;
    folder.WriteFile("map/map1.map", WalledMap({"", "1000000000000000", "100000X0000000R0"}, "11"));
    g_stageCount = g_openStageCount = 1;
    seam::AttachJoystick();
    ASSERT_EQ(InitJoystick(window, GetModuleHandleA(NULL)), DI_OK);
    g_joystick->Acquire();
    g_useJoystick = 1;
    auto holdA = [&](BYTE until) {
        seam::SetJoystickButton(0, SDL_CONTROLLER_BUTTON_A, true);
        int frames = FramesUntil(until, 400);
        seam::SetJoystickButton(0, SDL_CONTROLLER_BUTTON_A, false);
        RunFrames(2);
        return frames;
    };
    g_scene = SCENE_TITLE_INIT;
    RunFrames(30);
    ASSERT_GT(holdA(SCENE_SELECT), 0) << "A on GAME START";
    ASSERT_GT(holdA(SCENE_PLAY), 0) << "A on stage 1";
    RunFrames(20);
    auto tap = [&](SDL_GameControllerButton button) {
        seam::SetJoystickButton(0, button, true);
        RunFrames(1);
        seam::SetJoystickButton(0, button, false);
        RunFrames(1);
    };
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(g_paused, 1) << "Start pauses";
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(g_paused, 0) << "B closes the pause menu";
    seam::SetJoystickAxis(0, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    ASSERT_GT(FramesUntil(SCENE_PLAY_CLEAR, 400), 0) << "the stick pushed the crate onto the target";
    seam::SetJoystickAxis(0, SDL_CONTROLLER_AXIS_LEFTX, 0);
    RunFrames(30);
    ASSERT_GT(holdA(SCENE_RESULT), 0) << "A skips the clear";
    RunFrames(30);
    EXPECT_GT(holdA(SCENE_SELECT), 0) << "A leaves the result";
    EXPECT_GT(g_playTime, 0u);
}

}  // namespace
