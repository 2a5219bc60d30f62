// The joystick device: standard joystick format, cooperative level, axis
// ranges, acquiring, polling and reading one DIJOYSTATE from its pad.
#include <cstdio>
#include <set>

#include "dinput_focus.h"
#include "dinput_objects.h"
#include "platform_state.h"

namespace plat {

struct DeviceObject {
    const GUID* type;
    DWORD offset;
    DWORD kind;
    int instance;
    const char* name;
};

static const DeviceObject DEVICE_OBJECTS[] = {
    {&GUID_XAxis, DIJOFS_X, DIDFT_ABSAXIS, 0, "X Axis"},
    {&GUID_YAxis, DIJOFS_Y, DIDFT_ABSAXIS, 1, "Y Axis"},
    {NULL, offsetof(DIJOYSTATE, rgbButtons) + 0, DIDFT_PSHBUTTON, 0, "Button 0"},
    {NULL, offsetof(DIJOYSTATE, rgbButtons) + 1, DIDFT_PSHBUTTON, 1, "Button 1"},
    {NULL, offsetof(DIJOYSTATE, rgbButtons) + 2, DIDFT_PSHBUTTON, 2, "Button 2"},
};

static std::set<JoystickDevice*> g_devices;
static bool g_foreground = true;

void SetInputForeground(bool foreground)
{
    g_foreground = foreground;
    for (JoystickDevice* device : g_devices) {
        if (!foreground) {
            device->LoseInput(true);
        } else {
            device->RegainForeground();
        }
    }
}

void LoseAcquiredInput()
{
    for (JoystickDevice* device : g_devices) {
        device->LoseInput(false);
    }
}

void ResetInput()
{
    g_foreground = true;
    ResetVirtualPads();
}

static bool SameProperty(REFGUID property, REFGUID id)
{
    return &property == &id;
}

JoystickDevice::JoystickDevice(PadSource& pads, Uint32 pad) : pads_(pads), pad_(pad)
{
    g_devices.insert(this);
}

JoystickDevice::~JoystickDevice()
{
    g_devices.erase(this);
    pads_.Close(pad_);
}

ULONG STDMETHODCALLTYPE JoystickDevice::Release()
{
    delete this;
    return 0;
}

// A device that lost the foreground says so again when it comes back, so that
// a game still reading it in the background acquires it again.
void JoystickDevice::RegainForeground()
{
    if (lostToBackground_ && !acquired_) {
        lost_ = true;
    }
    lostToBackground_ = false;
}

void JoystickDevice::LoseInput(bool onlyForegroundDevices)
{
    if (acquired_ && (foregroundOnly_ || !onlyForegroundDevices)) {
        acquired_ = false;
        lost_ = true;
        lostToBackground_ = onlyForegroundDevices;
    }
}

HRESULT STDMETHODCALLTYPE JoystickDevice::GetCapabilities(LPDIDEVCAPS caps)
{
    if (caps == NULL || caps->dwSize != sizeof(DIDEVCAPS)) {
        return DIERR_INVALIDPARAM;
    }
    RETURN_IF_FORCED("GetCapabilities");
    memset(caps, 0, sizeof *caps);
    caps->dwSize = sizeof *caps;
    caps->dwFlags = DIDC_ATTACHED | DIDC_POLLEDDEVICE;
    caps->dwDevType = DIDEVTYPE_JOYSTICK | (DIDEVTYPEJOYSTICK_GAMEPAD << 8) | DIDEVTYPE_HID;
    caps->dwAxes = AXIS_COUNT;
    caps->dwButtons = JOYSTICK_BUTTONS;
    return DI_OK;
}

HRESULT STDMETHODCALLTYPE JoystickDevice::EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID ref,
                                                      DWORD flags)
{
    if (callback == NULL) {
        return DIERR_INVALIDPARAM;
    }
    for (const DeviceObject& object : DEVICE_OBJECTS) {
        if (flags != DIDFT_ALL && (object.kind & flags & 0xFF) == 0) {
            continue;
        }
        DIDEVICEOBJECTINSTANCEA instance;
        memset(&instance, 0, sizeof instance);
        instance.dwSize = sizeof instance;
        instance.guidType = object.type != NULL ? *object.type : GUID{};
        instance.dwOfs = object.offset;
        instance.dwType = object.kind | DIDFT_MAKEINSTANCE(object.instance);
        snprintf(instance.tszName, sizeof instance.tszName, "%s", object.name);
        if (callback(&instance, ref) == DIENUM_STOP) {
            break;
        }
    }
    return DI_OK;
}

HRESULT STDMETHODCALLTYPE JoystickDevice::SetProperty(REFGUID property, LPCDIPROPHEADER header)
{
    if (header == NULL || header->dwHeaderSize != sizeof(DIPROPHEADER)) {
        return DIERR_INVALIDPARAM;
    }
    if (!SameProperty(property, DIPROP_RANGE)) {
        return DIERR_UNSUPPORTED;
    }
    if (header->dwSize != sizeof(DIPROPRANGE)) {
        return DIERR_INVALIDPARAM;
    }
    if (acquired_) {
        return DIERR_ACQUIRED;
    }
    return SetRange(*(const DIPROPRANGE*)header);
}

HRESULT JoystickDevice::SetRange(const DIPROPRANGE& range)
{
    if (range.lMin >= range.lMax) {
        return DIERR_INVALIDPARAM;
    }
    if (!pads_.AcceptsRange(pad_)) {
        return DIERR_UNSUPPORTED;
    }
    AxisRange wanted = {range.lMin, range.lMax};
    if (range.diph.dwHow == DIPH_DEVICE && range.diph.dwObj == 0) {
        for (AxisRange& axis : ranges_) {
            axis = wanted;
        }
        return DI_OK;
    }
    if (range.diph.dwHow != DIPH_BYOFFSET) {
        return DIERR_INVALIDPARAM;
    }
    for (int axis = 0; axis < AXIS_COUNT; axis++) {
        if (DEVICE_OBJECTS[axis].offset == range.diph.dwObj) {
            ranges_[axis] = wanted;
            return DI_OK;
        }
    }
    return DIERR_OBJECTNOTFOUND;
}

HRESULT STDMETHODCALLTYPE JoystickDevice::Acquire()
{
    if (!formatSet_) {
        return DIERR_INVALIDPARAM;
    }
    if (foregroundOnly_ && !g_foreground) {
        return DIERR_OTHERAPPHASPRIO;
    }
    if (acquired_) {
        return DI_NOEFFECT;
    }
    acquired_ = true;
    lost_ = false;
    return DI_OK;
}

// A lost device says so once; after that it is simply not acquired.
HRESULT STDMETHODCALLTYPE JoystickDevice::GetDeviceState(DWORD size, LPVOID data)
{
    if (data == NULL || size != sizeof(DIJOYSTATE)) {
        return DIERR_INVALIDPARAM;
    }
    if (lost_) {
        lost_ = false;
        return DIERR_INPUTLOST;
    }
    if (!acquired_) {
        return DIERR_NOTACQUIRED;
    }
    PadSample sample;
    if (!ReadPadOrKeyboard(&sample)) {
        acquired_ = false;
        return DIERR_INPUTLOST;
    }
    FillJoyState(sample, ranges_, (DIJOYSTATE*)data);
    return DI_OK;
}

// Only the standard joystick format is known.
HRESULT STDMETHODCALLTYPE JoystickDevice::SetDataFormat(LPCDIDATAFORMAT format)
{
    if (format == NULL || format->dwSize != sizeof(DIDATAFORMAT) || format->dwObjSize != sizeof(DIOBJECTDATAFORMAT)) {
        return DIERR_INVALIDPARAM;
    }
    if (acquired_) {
        return DIERR_ACQUIRED;
    }
    RETURN_IF_FORCED("SetDataFormat");
    if (format->dwDataSize != sizeof(DIJOYSTATE) || (format->dwFlags & DIDF_ABSAXIS) == 0) {
        return DIERR_UNSUPPORTED;
    }
    formatSet_ = true;
    return DI_OK;
}

HRESULT STDMETHODCALLTYPE JoystickDevice::SetCooperativeLevel(HWND window, DWORD flags)
{
    bool oneAccess = ((flags & DISCL_EXCLUSIVE) != 0) != ((flags & DISCL_NONEXCLUSIVE) != 0);
    bool oneScope = ((flags & DISCL_FOREGROUND) != 0) != ((flags & DISCL_BACKGROUND) != 0);
    if (window == NULL || !oneAccess || !oneScope) {
        return DIERR_INVALIDPARAM;
    }
    if (acquired_) {
        return DIERR_ACQUIRED;
    }
    RETURN_IF_FORCED("IDirectInputDevice2A::SetCooperativeLevel");
    foregroundOnly_ = (flags & DISCL_FOREGROUND) != 0;
    return DI_OK;
}

HRESULT STDMETHODCALLTYPE JoystickDevice::Poll()
{
    if (!acquired_) {
        return DIERR_NOTACQUIRED;
    }
    pads_.Update();
    return DI_OK;
}

}  // namespace plat
