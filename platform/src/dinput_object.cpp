// The DirectInput object: creation, enumeration of the attached joysticks and
// creation of a joystick device from an enumerated instance.
#include <cstdio>

#include "dinput_objects.h"
#include "platform_state.h"

SHARED_GUID extern const GUID IID_IDirectInput7A = {0x9A4CB684, 0x236D, 0x11D3, {0x8E, 0x9D, 0x00, 0xC0, 0x4F, 0x68, 0x44, 0xAE}};
SHARED_GUID extern const GUID IID_IDirectInputDevice2A = {0x5944E682, 0xC92E, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
SHARED_GUID extern const GUID GUID_XAxis = {0xA36D02E0, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
SHARED_GUID extern const GUID GUID_YAxis = {0xA36D02E1, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

// The devices know the layout of DIJOYSTATE themselves, so the format carries
// no object list.
const DIDATAFORMAT c_dfDIJoystick = {sizeof(DIDATAFORMAT), sizeof(DIOBJECTDATAFORMAT), DIDF_ABSAXIS,
                                     sizeof(DIJOYSTATE), 0, NULL};

namespace plat {

static const DWORD HIGHEST_VERSION = 0x0700;
// Instance GUIDs are this stamp with the pad's id in the first field.
static const GUID PAD_INSTANCE_STAMP = {0, 0x5344, 0x504C, {'J', 'O', 'Y', 'S', 'T', 'I', 'C', 'K'}};

static bool SameGuid(REFGUID a, REFGUID b)
{
    return memcmp(&a, &b, sizeof(GUID)) == 0;
}

GUID PadInstanceGuid(Uint32 pad)
{
    GUID guid = PAD_INSTANCE_STAMP;
    guid.Data1 = pad;
    return guid;
}

bool PadOfInstanceGuid(REFGUID instance, Uint32* pad)
{
    if (!SameGuid(PadInstanceGuid(instance.Data1), instance)) {
        return false;
    }
    *pad = instance.Data1;
    return true;
}

static DIDEVICEINSTANCEA InstanceOf(const PadInfo& pad)
{
    DIDEVICEINSTANCEA instance;
    memset(&instance, 0, sizeof instance);
    instance.dwSize = sizeof instance;
    instance.guidInstance = PadInstanceGuid(pad.id);
    memcpy(&instance.guidProduct, pad.product.data, sizeof instance.guidProduct);
    instance.dwDevType = DIDEVTYPE_JOYSTICK | (DIDEVTYPEJOYSTICK_GAMEPAD << 8) | DIDEVTYPE_HID;
    snprintf(instance.tszInstanceName, sizeof instance.tszInstanceName, "%s", pad.name.c_str());
    snprintf(instance.tszProductName, sizeof instance.tszProductName, "%s", pad.name.c_str());
    return instance;
}

ULONG STDMETHODCALLTYPE DirectInput::Release()
{
    delete this;
    return 0;
}

// Only joysticks are offered, so asking for every device lists the joysticks.
HRESULT STDMETHODCALLTYPE DirectInput::EnumDevices(DWORD deviceType, LPDIENUMDEVICESCALLBACKA callback, LPVOID ref,
                                                   DWORD)
{
    if (callback == NULL) {
        return DIERR_INVALIDPARAM;
    }
    RETURN_IF_FORCED("EnumDevices");
    if ((deviceType & 0xFF) != DIDEVTYPE_JOYSTICK && deviceType != 0) {
        return DI_OK;
    }
    for (const PadInfo& pad : pads_.Attached()) {
        DIDEVICEINSTANCEA instance = InstanceOf(pad);
        if (callback(&instance, ref) == DIENUM_STOP) {
            break;
        }
    }
    return DI_OK;
}

HRESULT STDMETHODCALLTYPE DirectInput::CreateDeviceEx(REFGUID instance, REFIID iid, LPVOID* out, IUnknown*)
{
    if (out == NULL) {
        return DIERR_INVALIDPARAM;
    }
    *out = NULL;
    if (!SameGuid(iid, IID_IDirectInputDevice2A)) {
        return DIERR_NOINTERFACE;
    }
    RETURN_IF_FORCED("CreateDeviceEx");
    Uint32 pad;
    if (!PadOfInstanceGuid(instance, &pad)) {
        return DIERR_NOTFOUND;
    }
    if (!pads_.Open(pad)) {
        return DIERR_GENERIC;
    }
    *out = static_cast<IDirectInputDevice2A*>(new JoystickDevice(pads_, pad));
    return DI_OK;
}

}  // namespace plat

HRESULT WINAPI DirectInputCreateEx(HINSTANCE, DWORD version, REFIID iid, LPVOID* out, IUnknown*)
{
    if (out == NULL) {
        return DIERR_INVALIDPARAM;
    }
    *out = NULL;
    if (memcmp(&iid, &IID_IDirectInput7A, sizeof iid) != 0) {
        return DIERR_NOINTERFACE;
    }
    if (version > plat::HIGHEST_VERSION) {
        return DIERR_BETADIRECTINPUTVERSION;
    }
    RETURN_IF_FORCED("DirectInputCreateEx");
    *out = static_cast<IDirectInput7A*>(new plat::DirectInput(plat::ActivePads()));
    return DI_OK;
}
