// Joystick set-up: DirectInput, the first attached joystick that can be
// created, its data format, access, capabilities and axis ranges.
#include "input/joystick.h"

LPDIRECTINPUT7A g_dinput = NULL;
LPDIRECTINPUTDEVICE2A g_joystick = NULL;
DIDEVCAPS g_joystickCaps;

static const LONG AXIS_MIN = -1000;
static const LONG AXIS_MAX = 1000;

BOOL CALLBACK OnJoystickFound(LPCDIDEVICEINSTANCEA instance, LPVOID context)
{
    (void)context;
    HRESULT result = g_dinput->CreateDeviceEx(instance->guidInstance, IID_IDirectInputDevice2A,
                                              (LPVOID*)&g_joystick, NULL);
    if (FAILED(result)) {
        return DIENUM_CONTINUE;
    }
    return DIENUM_STOP;
}

// No dead zone or saturation is set: the device's own stay.
BOOL CALLBACK OnJoystickAxis(LPCDIDEVICEOBJECTINSTANCEA object, LPVOID context)
{
    (void)context;
    DIPROPRANGE range;
    range.diph.dwSize = sizeof(DIPROPRANGE);
    range.diph.dwHeaderSize = sizeof(DIPROPHEADER);
    range.diph.dwHow = DIPH_BYOFFSET;
    range.diph.dwObj = object->dwOfs;
    range.lMin = AXIS_MIN;
    range.lMax = AXIS_MAX;
    if (FAILED(g_joystick->SetProperty(DIPROP_RANGE, &range.diph))) {
        return DIENUM_STOP;
    }
    return DIENUM_CONTINUE;
}

// Stops at the first failing step and leaves what it created in place.
HRESULT InitJoystick(HWND window, HINSTANCE instance)
{
    HRESULT result = DirectInputCreateEx(instance, DIRECTINPUT_VERSION, IID_IDirectInput7A, (LPVOID*)&g_dinput, NULL);
    if (FAILED(result)) {
        return result;
    }
    result = g_dinput->EnumDevices(DIDEVTYPE_JOYSTICK, OnJoystickFound, NULL, DIEDFL_ATTACHEDONLY);
    if (FAILED(result)) {
        return result;
    }
    if (g_joystick == NULL) {
        return E_FAIL;
    }
    result = g_joystick->SetDataFormat(&c_dfDIJoystick);
    if (FAILED(result)) {
        return result;
    }
    result = g_joystick->SetCooperativeLevel(window, DISCL_EXCLUSIVE | DISCL_FOREGROUND);
    if (FAILED(result)) {
        return result;
    }
    g_joystickCaps.dwSize = sizeof(DIDEVCAPS);
    result = g_joystick->GetCapabilities(&g_joystickCaps);
    if (FAILED(result)) {
        return result;
    }
    g_joystick->EnumObjects(OnJoystickAxis, (LPVOID)window, DIDFT_AXIS);
    return DI_OK;
}
