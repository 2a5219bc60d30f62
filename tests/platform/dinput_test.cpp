// The DirectInput stand-in: enumeration, device creation, the pad mapping,
// axis ranges, acquiring and lost input, on the seam's virtual pads.
#include <gtest/gtest.h>

#include <windows.h>
#include <dinput.h>

#include <vector>

#include "dinput_focus.h"
#include "dinput_pad_mapping.h"
#include "platform_state.h"
#include "seam.h"

namespace {

HWND const SOME_WINDOW = (HWND)&SOME_WINDOW;

class DirectInputTest : public testing::Test {
protected:
    void SetUp() override
    {
        seam::Reset();
        ASSERT_EQ(DirectInputCreateEx(NULL, 0x0700, IID_IDirectInput7A, (LPVOID*)&input_, NULL), DI_OK);
    }

    void TearDown() override
    {
        for (LPDIRECTINPUTDEVICE2A device : devices_) {
            device->Release();
        }
        input_->Release();
    }

    std::vector<DIDEVICEINSTANCEA> Enumerate()
    {
        std::vector<DIDEVICEINSTANCEA> found;
        EXPECT_EQ(input_->EnumDevices(DIDEVTYPE_JOYSTICK, Collect, &found, DIEDFL_ATTACHEDONLY), DI_OK);
        return found;
    }

    HRESULT Create(const DIDEVICEINSTANCEA& instance, LPDIRECTINPUTDEVICE2A* device)
    {
        HRESULT result = input_->CreateDeviceEx(instance.guidInstance, IID_IDirectInputDevice2A, (LPVOID*)device, NULL);
        if (*device != NULL) {
            devices_.push_back(*device);
        }
        return result;
    }

    // A device on the given pad, in the standard format, acquired.
    LPDIRECTINPUTDEVICE2A Ready(int pad, DWORD access = DISCL_EXCLUSIVE | DISCL_FOREGROUND)
    {
        LPDIRECTINPUTDEVICE2A device = NULL;
        EXPECT_EQ(Create(Enumerate().at(pad), &device), DI_OK);
        EXPECT_EQ(device->SetDataFormat(&c_dfDIJoystick), DI_OK);
        EXPECT_EQ(device->SetCooperativeLevel(SOME_WINDOW, access), DI_OK);
        return device;
    }

    static HRESULT SetRange(LPDIRECTINPUTDEVICE2A device, DWORD how, DWORD object, LONG min, LONG max)
    {
        DIPROPRANGE range = {{sizeof(DIPROPRANGE), sizeof(DIPROPHEADER), object, how}, min, max};
        return device->SetProperty(DIPROP_RANGE, &range.diph);
    }

    static DIJOYSTATE Read(LPDIRECTINPUTDEVICE2A device)
    {
        DIJOYSTATE state = {};
        EXPECT_EQ(device->GetDeviceState(sizeof state, &state), DI_OK);
        return state;
    }

    static BOOL CALLBACK Collect(LPCDIDEVICEINSTANCEA instance, LPVOID found)
    {
        static_cast<std::vector<DIDEVICEINSTANCEA>*>(found)->push_back(*instance);
        return DIENUM_CONTINUE;
    }

    LPDIRECTINPUT7A input_ = NULL;
    std::vector<LPDIRECTINPUTDEVICE2A> devices_;
};

TEST_F(DirectInputTest, CreationChecksInterfaceAndVersion)
{
    LPVOID out = &out;
    EXPECT_EQ(DirectInputCreateEx(NULL, 0x0700, IID_IDirectInputDevice2A, &out, NULL), DIERR_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(DirectInputCreateEx(NULL, 0x0800, IID_IDirectInput7A, &out, NULL), DIERR_BETADIRECTINPUTVERSION);
    EXPECT_EQ((uint32_t)DIERR_INPUTLOST, 0x8007001Eu);
    EXPECT_EQ(sizeof(DIJOYSTATE), 80u);
    EXPECT_EQ(sizeof(DIDEVCAPS), 44u);
    EXPECT_EQ(sizeof(DIPROPRANGE), 24u);
}

TEST_F(DirectInputTest, EnumeratesAttachedJoysticksInOrderAndStopsWhenAsked)
{
    EXPECT_TRUE(Enumerate().empty());
    seam::AttachJoystick();
    seam::AttachJoystick({false, true});
    std::vector<DIDEVICEINSTANCEA> found = Enumerate();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].dwDevType & 0xFF, (DWORD)DIDEVTYPE_JOYSTICK);
    EXPECT_NE(memcmp(&found[0].guidInstance, &found[1].guidInstance, sizeof(GUID)), 0);

    int calls = 0;
    auto stop = [](LPCDIDEVICEINSTANCEA, LPVOID calls) -> BOOL {
        ++*(int*)calls;
        return DIENUM_STOP;
    };
    EXPECT_EQ(input_->EnumDevices(DIDEVTYPE_JOYSTICK, stop, &calls, DIEDFL_ATTACHEDONLY), DI_OK);
    EXPECT_EQ(calls, 1);
}

TEST_F(DirectInputTest, DeviceCreationFailsForAPadThatCannotBeOpenedOrTheWrongInterface)
{
    seam::AttachJoystick({false, true});
    DIDEVICEINSTANCEA instance = Enumerate().at(0);
    LPDIRECTINPUTDEVICE2A device = (LPDIRECTINPUTDEVICE2A)&instance;
    EXPECT_TRUE(FAILED(Create(instance, &device)));
    EXPECT_EQ(device, nullptr);

    seam::AttachJoystick();
    instance = Enumerate().at(1);
    EXPECT_EQ(input_->CreateDeviceEx(instance.guidInstance, IID_IDirectInput7A, (LPVOID*)&device, NULL),
              DIERR_NOINTERFACE);
    EXPECT_EQ(Create(instance, &device), DI_OK);
}

TEST_F(DirectInputTest, OffersTwoAxesAndThreeButtons)
{
    seam::AttachJoystick();
    LPDIRECTINPUTDEVICE2A device = Ready(0);
    DIDEVCAPS caps = {};
    EXPECT_EQ(device->GetCapabilities(&caps), DIERR_INVALIDPARAM);
    caps.dwSize = sizeof caps;
    ASSERT_EQ(device->GetCapabilities(&caps), DI_OK);
    EXPECT_EQ(caps.dwAxes, 2u);
    EXPECT_EQ(caps.dwButtons, 3u);
    EXPECT_TRUE(caps.dwFlags & DIDC_ATTACHED);

    std::vector<DIDEVICEOBJECTINSTANCEA> axes;
    auto collect = [](LPCDIDEVICEOBJECTINSTANCEA object, LPVOID axes) -> BOOL {
        static_cast<std::vector<DIDEVICEOBJECTINSTANCEA>*>(axes)->push_back(*object);
        return DIENUM_CONTINUE;
    };
    EXPECT_EQ(device->EnumObjects(collect, &axes, DIDFT_AXIS), DI_OK);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].dwOfs, (DWORD)DIJOFS_X);
    EXPECT_EQ(memcmp(&axes[0].guidType, &GUID_XAxis, sizeof(GUID)), 0);
    EXPECT_EQ(axes[1].dwOfs, (DWORD)DIJOFS_Y);
    axes.clear();
    EXPECT_EQ(device->EnumObjects(collect, &axes, DIDFT_BUTTON), DI_OK);
    EXPECT_EQ(axes.size(), 3u);
}

TEST_F(DirectInputTest, LeftStickAndDpadDriveXAndYWithADeadZone)
{
    int pad = seam::AttachJoystick();
    LPDIRECTINPUTDEVICE2A device = Ready(0);
    ASSERT_EQ(SetRange(device, DIPH_DEVICE, 0, -1000, 1000), DI_OK);
    ASSERT_EQ(device->Acquire(), DI_OK);

    struct Case {
        Sint16 stick;
        LONG expected;
    };
    const Case cases[] = {
        {0, 0},
        {plat::STICK_DEAD_ZONE, 0},
        {-plat::STICK_DEAD_ZONE, 0},
        {plat::STICK_DEAD_ZONE + 1, 1},
        {-plat::STICK_DEAD_ZONE - 1, -1},
        {32767, 1000},
        {-32768, -1000},
    };
    for (const Case& c : cases) {
        seam::SetJoystickAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, c.stick);
        seam::SetJoystickAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, c.stick);
        DIJOYSTATE state = Read(device);
        EXPECT_EQ(state.lX, c.expected) << "stick " << c.stick;
        EXPECT_EQ(state.lY, c.expected) << "stick " << c.stick;
    }

    seam::SetJoystickAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    seam::SetJoystickButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    seam::SetJoystickButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    DIJOYSTATE state = Read(device);
    EXPECT_EQ(state.lX, -1000) << "the d-pad wins over the stick";
    EXPECT_EQ(state.lY, 1000);
}

TEST_F(DirectInputTest, AIsButtonZeroBIsOneAndXYStartAreTwo)
{
    int pad = seam::AttachJoystick();
    LPDIRECTINPUTDEVICE2A device = Ready(0);
    ASSERT_EQ(device->Acquire(), DI_OK);
    struct Case {
        SDL_GameControllerButton button;
        int slot;
    };
    const Case cases[] = {{SDL_CONTROLLER_BUTTON_A, 0},
                          {SDL_CONTROLLER_BUTTON_B, 1},
                          {SDL_CONTROLLER_BUTTON_X, 2},
                          {SDL_CONTROLLER_BUTTON_Y, 2},
                          {SDL_CONTROLLER_BUTTON_START, 2},
                          {SDL_CONTROLLER_BUTTON_BACK, -1}};
    for (const Case& c : cases) {
        seam::SetJoystickButton(pad, c.button, true);
        DIJOYSTATE state = Read(device);
        for (int slot = 0; slot < 32; slot++) {
            EXPECT_EQ(state.rgbButtons[slot], slot == c.slot ? 0x80 : 0) << "button " << c.button;
        }
        seam::SetJoystickButton(pad, c.button, false);
    }
}

TEST_F(DirectInputTest, RangesAreSetPerAxisAndARefusedRangeKeepsTheDefault)
{
    int pad = seam::AttachJoystick();
    int refusing = seam::AttachJoystick({true, false});
    LPDIRECTINPUTDEVICE2A device = Ready(pad);
    DIPROPRANGE bad = {{sizeof(DIPROPRANGE), 8, DIJOFS_X, DIPH_BYOFFSET}, -1, 1};
    EXPECT_EQ(device->SetProperty(DIPROP_RANGE, &bad.diph), DIERR_INVALIDPARAM);
    EXPECT_EQ(SetRange(device, DIPH_BYOFFSET, 99, -1, 1), DIERR_OBJECTNOTFOUND);
    EXPECT_EQ(SetRange(device, DIPH_BYOFFSET, DIJOFS_X, 5, 5), DIERR_INVALIDPARAM);
    EXPECT_EQ(SetRange(device, DIPH_BYOFFSET, DIJOFS_X, -1000, 1000), DI_OK);
    ASSERT_EQ(device->Acquire(), DI_OK);
    EXPECT_EQ(SetRange(device, DIPH_BYOFFSET, DIJOFS_Y, -1000, 1000), DIERR_ACQUIRED);
    seam::SetJoystickAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    seam::SetJoystickAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    DIJOYSTATE state = Read(device);
    EXPECT_EQ(state.lX, -1000);
    EXPECT_EQ(state.lY, 0) << "Y keeps the default range";

    LPDIRECTINPUTDEVICE2A stubborn = Ready(refusing);
    EXPECT_TRUE(FAILED(SetRange(stubborn, DIPH_BYOFFSET, DIJOFS_X, -1000, 1000)));
    ASSERT_EQ(stubborn->Acquire(), DI_OK);
    EXPECT_EQ(Read(stubborn).lX, 32767) << "a resting stick sits at the default range's centre";
    seam::SetJoystickAxis(refusing, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    EXPECT_EQ(Read(stubborn).lX, 65535);
}

TEST_F(DirectInputTest, ReadsNeedAnAcquiredDeviceAndLostInputIsReportedOnce)
{
    seam::AttachJoystick();
    LPDIRECTINPUTDEVICE2A device = NULL;
    ASSERT_EQ(Create(Enumerate().at(0), &device), DI_OK);
    EXPECT_EQ(device->Acquire(), DIERR_INVALIDPARAM) << "no data format yet";
    ASSERT_EQ(device->SetDataFormat(&c_dfDIJoystick), DI_OK);
    DIJOYSTATE state;
    EXPECT_EQ(device->GetDeviceState(sizeof state, &state), DIERR_NOTACQUIRED);
    EXPECT_EQ(device->Poll(), DIERR_NOTACQUIRED);
    ASSERT_EQ(device->Acquire(), DI_OK);
    EXPECT_EQ(device->Acquire(), DI_NOEFFECT);
    EXPECT_EQ(device->Poll(), DI_OK);
    EXPECT_EQ(device->GetDeviceState(sizeof state - 1, &state), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetDataFormat(&c_dfDIJoystick), DIERR_ACQUIRED);

    seam::LoseJoystickInput();
    EXPECT_EQ(device->GetDeviceState(sizeof state, &state), DIERR_INPUTLOST);
    EXPECT_EQ(device->GetDeviceState(sizeof state, &state), DIERR_NOTACQUIRED);
    ASSERT_EQ(device->Acquire(), DI_OK);
    EXPECT_EQ(device->GetDeviceState(sizeof state, &state), DI_OK);
}

TEST_F(DirectInputTest, LeavingTheForegroundTakesOnlyForegroundDevices)
{
    seam::AttachJoystick();
    seam::AttachJoystick();
    LPDIRECTINPUTDEVICE2A foreground = Ready(0);
    LPDIRECTINPUTDEVICE2A background = Ready(1, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND);
    ASSERT_EQ(foreground->Acquire(), DI_OK);
    ASSERT_EQ(background->Acquire(), DI_OK);

    plat::SetInputForeground(false);
    DIJOYSTATE state;
    EXPECT_EQ(foreground->GetDeviceState(sizeof state, &state), DIERR_INPUTLOST);
    EXPECT_EQ(foreground->Acquire(), DIERR_OTHERAPPHASPRIO);
    EXPECT_EQ(background->GetDeviceState(sizeof state, &state), DI_OK);

    plat::SetInputForeground(true);
    EXPECT_EQ(foreground->Acquire(), DI_OK);
    EXPECT_EQ(foreground->GetDeviceState(sizeof state, &state), DI_OK);
    EXPECT_EQ(foreground->SetCooperativeLevel(NULL, DISCL_EXCLUSIVE | DISCL_FOREGROUND), DIERR_INVALIDPARAM);
}

// Outside the seam the pads are SDL's game controllers, which start on first
// use without any display.
TEST(SdlPads, EnumerationStartsThemWithoutADisplay)
{
    seam::Reset();
    plat::g_seam.active = false;
    LPDIRECTINPUT7A input = NULL;
    ASSERT_EQ(DirectInputCreateEx(NULL, 0x0700, IID_IDirectInput7A, (LPVOID*)&input, NULL), DI_OK);
    auto ignore = [](LPCDIDEVICEINSTANCEA, LPVOID) -> BOOL { return DIENUM_CONTINUE; };
    EXPECT_EQ(input->EnumDevices(DIDEVTYPE_JOYSTICK, ignore, NULL, DIEDFL_ATTACHEDONLY), DI_OK);
    EXPECT_NE(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u) << SDL_GetError();
    input->Release();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    seam::Reset();
}

}  // namespace
