// Pads that come and go, on SDL's virtual joysticks: the keyboard takes over
// from an unplugged pad at once, and a pad plugged in takes over again.
#include <gtest/gtest.h>

#include "dinput_objects.h"
#include "seam.h"

namespace {

class PadHotplugTest : public testing::Test {
protected:
    void SetUp() override
    {
        seam::Reset();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }
    void TearDown() override
    {
        delete device_;
        while (SDL_NumJoysticks() > 0) {
            SDL_JoystickDetachVirtual(0);
        }
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    // Plugs in a virtual pad with a game controller's sticks and buttons.
    int Plug()
    {
        int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                              SDL_CONTROLLER_BUTTON_MAX, 0);
        EXPECT_GE(index, 0) << SDL_GetError();
        EXPECT_TRUE(SDL_IsGameController(index));
        SDL_JoystickOpen(index);  // virtual joysticks take their values through an open handle
        return index;
    }
    static SDL_Joystick* Handle(int index)
    {
        return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index));
    }
    void Unplug(int index) { SDL_JoystickDetachVirtual(index); }

    // A device on the first pad, acquired as the game acquires it.
    void Open()
    {
        std::vector<plat::PadInfo> pads = plat::SdlPads().Attached();
        ASSERT_FALSE(pads.empty());
        ASSERT_TRUE(plat::SdlPads().Open(pads[0].id));
        device_ = new plat::JoystickDevice(plat::SdlPads(), pads[0].id);
        ASSERT_EQ(device_->SetDataFormat(&c_dfDIJoystick), DI_OK);
        ASSERT_EQ(device_->Acquire(), DI_OK);
    }
    // One frame's reading, as the game's ReadJoystick makes it.
    HRESULT Read(DIJOYSTATE* state)
    {
        memset(state, 0, sizeof *state);
        device_->Poll();
        HRESULT result = device_->GetDeviceState(sizeof *state, state);
        if (result == DIERR_INPUTLOST) {
            device_->Acquire();
        }
        return result;
    }

    plat::JoystickDevice* device_ = nullptr;
};

TEST_F(PadHotplugTest, UnpluggedMidJumpTheKeyboardPlaysFromTheNextFrame)
{
    int pad = Plug();
    Open();
    SDL_JoystickSetVirtualButton(Handle(pad), SDL_CONTROLLER_BUTTON_B, 1);
    DIJOYSTATE state;
    ASSERT_EQ(Read(&state), DI_OK);
    EXPECT_EQ(state.rgbButtons[1], 0x80) << "jump held on the pad";

    seam::SetKeyDown(VK_RIGHT, true);
    Unplug(pad);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Read(&state), DIERR_INPUTLOST) << "the frame it went: every key released";
    EXPECT_EQ(state.rgbButtons[1], 0);
    ASSERT_EQ(Read(&state), DI_OK);
    EXPECT_GT(state.lX, 32767) << "the keyboard's right arrow";
    EXPECT_EQ(state.rgbButtons[1], 0) << "the jump does not stick";
    seam::SetKeyDown('X', true);
    ASSERT_EQ(Read(&state), DI_OK);
    EXPECT_EQ(state.rgbButtons[1], 0x80);
    std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, "The pad was unplugged: the keyboard plays\n");
}

TEST_F(PadHotplugTest, APadPluggedInTakesOverAgainTheSameOrASecond)
{
    int first = Plug();
    Open();
    Unplug(first);
    DIJOYSTATE state;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Read(&state), DIERR_INPUTLOST);
    EXPECT_EQ(Read(&state), DI_OK);

    int again = Plug();
    SDL_JoystickSetVirtualButton(Handle(again), SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_EQ(Read(&state), DIERR_INPUTLOST) << "the change of hands";
    ASSERT_EQ(Read(&state), DI_OK);
    EXPECT_EQ(state.rgbButtons[0], 0x80) << "the new pad's A";
    seam::SetKeyDown('X', true);
    ASSERT_EQ(Read(&state), DI_OK);
    EXPECT_EQ(state.rgbButtons[1], 0) << "the keyboard is out again";

    // With two pads in, losing the one in use hands over to the other.
    int second = Plug();
    SDL_JoystickSetVirtualAxis(Handle(second), SDL_CONTROLLER_AXIS_LEFTX, -32768);
    Unplug(again);
    EXPECT_EQ(Read(&state), DIERR_INPUTLOST);
    EXPECT_EQ(Read(&state), DIERR_INPUTLOST) << "the keyboard's one frame ends at the next pad";
    ASSERT_EQ(Read(&state), DI_OK);
    EXPECT_LT(state.lX, 32767);
    std::string told = testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("plugged in: it plays"), std::string::npos) << told;
}

}  // namespace
