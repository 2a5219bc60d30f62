// Joystick set-up and the joystick standing in for the keyboard: the stick's
// signs, buttons 0 to 2, lost input, and keyboard play without a joystick.
#include <gtest/gtest.h>

#include <functional>

#include "app/app_state.h"
#include "app/main_window.h"
#include "dinput_pad_mapping.h"
#include "input/input.h"
#include "input/joystick.h"
#include "seam.h"
#include "support/game_env.h"

namespace {

const Sint16 JUST_PAST_DEAD_ZONE = plat::STICK_DEAD_ZONE + 1;

// Set up as WinMain does when the joystick is found: acquired once, in use.
void StartWithJoystick(HWND window)
{
    ASSERT_EQ(InitJoystick(window, GetModuleHandleA(NULL)), DI_OK);
    g_joystick->Acquire();
    g_useJoystick = 1;
}

const std::string& LastDebugLine()
{
    return seam::DebugLines().back();
}

TEST(JoystickSetUp, NoJoystickGivesEFail)
{
    HWND window = StartDisplay();
    EXPECT_EQ(InitJoystick(window, GetModuleHandleA(NULL)), E_FAIL);
    EXPECT_EQ(g_joystick, nullptr);
    EXPECT_NE(g_dinput, nullptr) << "what was created stays";
}

TEST(JoystickSetUp, TheFirstJoystickThatCanBeCreatedIsUsed)
{
    HWND window = StartDisplay();
    seam::AttachJoystick({false, true});
    int second = seam::AttachJoystick();
    int third = seam::AttachJoystick();
    StartWithJoystick(window);
    seam::SetJoystickButton(third, SDL_CONTROLLER_BUTTON_A, true);
    ReadInput();
    EXPECT_EQ(g_key['Z'], 0);
    seam::SetJoystickButton(second, SDL_CONTROLLER_BUTTON_A, true);
    ReadInput();
    EXPECT_EQ(g_key['Z'], 1);
    EXPECT_EQ(g_joystickCaps.dwSize, 44u);
}

TEST(JoystickSetUp, ARefusedAxisRangeStillSetsUpAndTheSignsApplyToTheDefaultRange)
{
    HWND window = StartDisplay();
    int pad = seam::AttachJoystick({true, false});
    StartWithJoystick(window);
    ReadInput();
    EXPECT_EQ(LastDebugLine(), "x 32767, y 32767, 0 0, 1 0, 2 0");
    EXPECT_EQ(g_key[VK_RIGHT], 1) << "the centre of 0 to 65535 is above 0";
    EXPECT_EQ(g_key[VK_DOWN], 1);
    seam::SetJoystickAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    ReadInput();
    EXPECT_EQ(g_key[VK_LEFT], 0) << "full left is 0, not below it";
    EXPECT_EQ(g_key[VK_RIGHT], 0);
}

class FailingSetUpStep : public testing::TestWithParam<const char*> {};

TEST_P(FailingSetUpStep, ReturnsThatStepsResult)
{
    HWND window = StartDisplay();
    seam::AttachJoystick();
    seam::FailCall(GetParam(), DIERR_NOTINITIALIZED);
    EXPECT_EQ(InitJoystick(window, GetModuleHandleA(NULL)), DIERR_NOTINITIALIZED);
}

INSTANTIATE_TEST_SUITE_P(Joystick, FailingSetUpStep,
                         testing::Values("DirectInputCreateEx", "EnumDevices", "SetDataFormat",
                                         "IDirectInputDevice2A::SetCooperativeLevel", "GetCapabilities"));

TEST(JoystickRead, TheStickSignsBecomeArrowsAndAnyDeflectionCounts)
{
    HWND window = StartDisplay();
    int pad = seam::AttachJoystick();
    StartWithJoystick(window);
    ReadInput();
    EXPECT_EQ(LastDebugLine(), "x 0, y 0, 0 0, 1 0, 2 0") << "a resting stick gives no direction";
    for (int key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
        EXPECT_EQ(g_key[key], 0);
    }

    struct Case {
        SDL_GameControllerAxis axis;
        Sint16 stick;
        int key;
        const char* line;
    };
    const Case cases[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, JUST_PAST_DEAD_ZONE, VK_RIGHT, "x 1, y 0, 0 0, 1 0, 2 0"},
        {SDL_CONTROLLER_AXIS_LEFTX, (Sint16)-JUST_PAST_DEAD_ZONE, VK_LEFT, "x -1, y 0, 0 0, 1 0, 2 0"},
        {SDL_CONTROLLER_AXIS_LEFTY, JUST_PAST_DEAD_ZONE, VK_DOWN, "x 0, y 1, 0 0, 1 0, 2 0"},
        {SDL_CONTROLLER_AXIS_LEFTY, (Sint16)-JUST_PAST_DEAD_ZONE, VK_UP, "x 0, y -1, 0 0, 1 0, 2 0"},
    };
    for (const Case& c : cases) {
        seam::SetJoystickAxis(pad, c.axis, c.stick);
        ReadInput();
        EXPECT_EQ(LastDebugLine(), c.line);
        for (int key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
            EXPECT_EQ(g_key[key], key == c.key ? 1 : 0) << c.line << ", key " << key;
        }
        seam::SetJoystickAxis(pad, c.axis, 0);
    }
}

TEST(JoystickRead, ButtonsZeroToTwoAreZXAndCAndTheKeyboardIsIgnored)
{
    HWND window = StartDisplay();
    int pad = seam::AttachJoystick();
    StartWithJoystick(window);
    seam::SetKeyDown('Z', true);
    seam::SetKeyDown(VK_LEFT, true);
    ReadInput();
    EXPECT_EQ(g_key['Z'], 0);
    EXPECT_EQ(g_key[VK_LEFT], 0);

    seam::SetJoystickButton(pad, SDL_CONTROLLER_BUTTON_B, true);
    seam::SetJoystickButton(pad, SDL_CONTROLLER_BUTTON_START, true);
    seam::SetJoystickButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    ReadInput();
    EXPECT_EQ(LastDebugLine(), "x 0, y -1000, 0 0, 1 1, 2 1");
    EXPECT_EQ(g_key['Z'], 0);
    EXPECT_EQ(g_key['X'], 1);
    EXPECT_EQ(g_key['C'], 1);
    EXPECT_EQ(g_key[VK_UP], 1);
}

TEST(JoystickRead, LostInputIsAcquiredAgainAndReadInTheNextFrame)
{
    HWND window = StartDisplay();
    int pad = seam::AttachJoystick();
    StartWithJoystick(window);
    seam::SetJoystickAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    ReadInput();
    EXPECT_EQ(g_key[VK_RIGHT], 1);

    seam::LoseJoystickInput();
    ReadInput();
    EXPECT_EQ(g_key[VK_RIGHT], 0) << "the lost frame reads nothing";
    EXPECT_EQ(LastDebugLine(), "x 0, y 0, 0 0, 1 0, 2 0");
    ReadInput();
    EXPECT_EQ(g_key[VK_RIGHT], 1) << "acquired again after the lost read";
}

TEST(JoystickRead, ADeviceThatWasNeverAcquiredIsNotAcquiredByReading)
{
    HWND window = StartDisplay();
    int pad = seam::AttachJoystick();
    ASSERT_EQ(InitJoystick(window, GetModuleHandleA(NULL)), DI_OK);
    g_useJoystick = 1;
    seam::SetJoystickButton(pad, SDL_CONTROLLER_BUTTON_A, true);
    for (int frame = 0; frame < 3; frame++) {
        ReadInput();
        EXPECT_EQ(g_key['Z'], 0) << "frame " << frame;
    }
}

// Runs WinMain with the joystick flag at its start value; `script` runs each
// time the queue is empty, until WinMain returns.
int RunWinMain(std::function<void(int)> script)
{
    int idle = 0;
    g_useJoystick = 1;
    seam::SetIdleHook([&] { script(idle++); });
    return WinMain(GetModuleHandleA(NULL), NULL, NULL, SW_SHOWDEFAULT);
}

TEST(JoystickStartUp, WithoutAJoystickTheKeyboardPlaysForTheWholeRun)
{
    ResetGame();
    RunWinMain([&](int idle) {
        if (idle == 1) {
            EXPECT_EQ(g_useJoystick, 0);
            int pad = seam::AttachJoystick();
            seam::SetJoystickButton(pad, SDL_CONTROLLER_BUTTON_A, true);
            seam::SetKeyDown('X', true);
            ReadInput();
            EXPECT_EQ(g_key['Z'], 0) << "a joystick plugged in later is not used";
            EXPECT_EQ(g_key['X'], 1);
            seam::PostToWindow(WM_KEYDOWN, VK_ESCAPE, 1);
        }
        ASSERT_LT(idle, 10);
    });
    EXPECT_TRUE(seam::MessageBoxes().empty());
}

TEST(JoystickStartUp, AJoystickFoundAtStartIsAcquiredAndItsButtonNeverCloses)
{
    ResetGame();
    int pad = seam::AttachJoystick();
    RunWinMain([&](int idle) {
        if (idle == 1) {
            EXPECT_EQ(g_useJoystick, 1);
            g_quitRequested = 1;
            seam::SetJoystickButton(pad, SDL_CONTROLLER_BUTTON_A, true);
            ReadInput();
            EXPECT_EQ(g_key['Z'], 1) << "acquired by WinMain";
        }
        if (idle == 4) {
            seam::PostToWindow(WM_KEYDOWN, VK_ESCAPE, 1);
        }
        ASSERT_LT(idle, 10) << "the program did not end";
        EXPECT_TRUE(idle < 4 || g_useJoystick == 1);
    });
}

}  // namespace
