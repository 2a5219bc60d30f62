// Our stand-in for the part of DirectInput 7 the game uses: the DirectInput
// object, enumeration of attached joysticks, and one polled joystick device.
#ifndef PLATFORM_DINPUT_H
#define PLATFORM_DINPUT_H

#include <windows.h>

#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0700
#endif

typedef const GUID& REFGUID;
#ifndef MAX_PATH
#define MAX_PATH 260
#endif

// Win32 error codes the DirectInput results are made from.
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_INVALID_ACCESS 12
#define ERROR_NOT_READY 21
#define ERROR_READ_FAULT 30
#define ERROR_BUSY 170
#define ERROR_RMODE_APP 1153

#define DI_OK S_OK
#define DI_NOEFFECT ((HRESULT)1)
#define DIERR_GENERIC E_FAIL
#define DIERR_INVALIDPARAM E_INVALIDARG
#define DIERR_NOINTERFACE E_NOINTERFACE
#define DIERR_UNSUPPORTED E_NOTIMPL
#define DIERR_OBJECTNOTFOUND MAKE_HRESULT(1, FACILITY_WIN32, ERROR_FILE_NOT_FOUND)
#define DIERR_NOTFOUND MAKE_HRESULT(1, FACILITY_WIN32, ERROR_FILE_NOT_FOUND)
#define DIERR_OTHERAPPHASPRIO MAKE_HRESULT(1, FACILITY_WIN32, ERROR_ACCESS_DENIED)
#define DIERR_NOTACQUIRED MAKE_HRESULT(1, FACILITY_WIN32, ERROR_INVALID_ACCESS)
#define DIERR_NOTINITIALIZED MAKE_HRESULT(1, FACILITY_WIN32, ERROR_NOT_READY)
#define DIERR_INPUTLOST MAKE_HRESULT(1, FACILITY_WIN32, ERROR_READ_FAULT)
#define DIERR_ACQUIRED MAKE_HRESULT(1, FACILITY_WIN32, ERROR_BUSY)
#define DIERR_BETADIRECTINPUTVERSION MAKE_HRESULT(1, FACILITY_WIN32, ERROR_RMODE_APP)

#define DIENUM_STOP 0
#define DIENUM_CONTINUE 1

#define DIEDFL_ALLDEVICES 0x00000000
#define DIEDFL_ATTACHEDONLY 0x00000001

#define DIDEVTYPE_DEVICE 1
#define DIDEVTYPE_JOYSTICK 4
#define DIDEVTYPE_HID 0x00010000
#define DIDEVTYPEJOYSTICK_GAMEPAD 4

#define DIDC_ATTACHED 0x00000001
#define DIDC_POLLEDDEVICE 0x00000002

#define DISCL_EXCLUSIVE 0x00000001
#define DISCL_NONEXCLUSIVE 0x00000002
#define DISCL_FOREGROUND 0x00000004
#define DISCL_BACKGROUND 0x00000008

#define DIDFT_ALL 0x00000000
#define DIDFT_ABSAXIS 0x00000002
#define DIDFT_AXIS 0x00000003
#define DIDFT_PSHBUTTON 0x00000004
#define DIDFT_BUTTON 0x0000000C
#define DIDFT_MAKEINSTANCE(n) ((WORD)(n) << 8)
#define DIDF_ABSAXIS 0x00000001

#define DIPH_DEVICE 0
#define DIPH_BYOFFSET 1

// Property ids are small numbers passed where a GUID reference is expected.
#define MAKEDIPROP(prop) (*(const GUID*)(prop))
#define DIPROP_RANGE MAKEDIPROP(4)

typedef struct DIDEVICEINSTANCEA {
    DWORD dwSize;
    GUID guidInstance;
    GUID guidProduct;
    DWORD dwDevType;
    CHAR tszInstanceName[MAX_PATH];
    CHAR tszProductName[MAX_PATH];
    GUID guidFFDriver;
    WORD wUsagePage;
    WORD wUsage;
} DIDEVICEINSTANCEA, *LPDIDEVICEINSTANCEA;
typedef const DIDEVICEINSTANCEA* LPCDIDEVICEINSTANCEA;

typedef struct DIDEVICEOBJECTINSTANCEA {
    DWORD dwSize;
    GUID guidType;
    DWORD dwOfs;
    DWORD dwType;
    DWORD dwFlags;
    CHAR tszName[MAX_PATH];
    DWORD dwFFMaxForce;
    DWORD dwFFForceResolution;
    WORD wCollectionNumber;
    WORD wDesignatorIndex;
    WORD wUsagePage;
    WORD wUsage;
    DWORD dwDimension;
    WORD wExponent;
    WORD wReportId;
} DIDEVICEOBJECTINSTANCEA, *LPDIDEVICEOBJECTINSTANCEA;
typedef const DIDEVICEOBJECTINSTANCEA* LPCDIDEVICEOBJECTINSTANCEA;

typedef struct DIDEVCAPS {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwDevType;
    DWORD dwAxes;
    DWORD dwButtons;
    DWORD dwPOVs;
    DWORD dwFFSamplePeriod;
    DWORD dwFFMinTimeResolution;
    DWORD dwFirmwareRevision;
    DWORD dwHardwareRevision;
    DWORD dwFFDriverVersion;
} DIDEVCAPS, *LPDIDEVCAPS;

typedef struct DIPROPHEADER {
    DWORD dwSize;
    DWORD dwHeaderSize;
    DWORD dwObj;
    DWORD dwHow;
} DIPROPHEADER, *LPDIPROPHEADER;
typedef const DIPROPHEADER* LPCDIPROPHEADER;

typedef struct DIPROPRANGE {
    DIPROPHEADER diph;
    LONG lMin;
    LONG lMax;
} DIPROPRANGE, *LPDIPROPRANGE;

typedef struct _DIOBJECTDATAFORMAT {
    const GUID* pguid;
    DWORD dwOfs;
    DWORD dwType;
    DWORD dwFlags;
} DIOBJECTDATAFORMAT, *LPDIOBJECTDATAFORMAT;

typedef struct _DIDATAFORMAT {
    DWORD dwSize;
    DWORD dwObjSize;
    DWORD dwFlags;
    DWORD dwDataSize;
    DWORD dwNumObjs;
    LPDIOBJECTDATAFORMAT rgodf;
} DIDATAFORMAT, *LPDIDATAFORMAT;
typedef const DIDATAFORMAT* LPCDIDATAFORMAT;

typedef struct DIJOYSTATE {
    LONG lX;
    LONG lY;
    LONG lZ;
    LONG lRx;
    LONG lRy;
    LONG lRz;
    LONG rglSlider[2];
    DWORD rgdwPOV[4];
    BYTE rgbButtons[32];
} DIJOYSTATE, *LPDIJOYSTATE;

#define DIJOFS_X offsetof(DIJOYSTATE, lX)
#define DIJOFS_Y offsetof(DIJOYSTATE, lY)

// The standard joystick format: one DIJOYSTATE per read.
extern const DIDATAFORMAT c_dfDIJoystick;

typedef BOOL(CALLBACK* LPDIENUMDEVICESCALLBACKA)(LPCDIDEVICEINSTANCEA, LPVOID);
typedef BOOL(CALLBACK* LPDIENUMDEVICEOBJECTSCALLBACKA)(LPCDIDEVICEOBJECTINSTANCEA, LPVOID);

struct IDirectInputDevice2A : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetCapabilities(LPDIDEVCAPS caps) = 0;
    virtual HRESULT STDMETHODCALLTYPE EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID ref,
                                                  DWORD flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetProperty(REFGUID property, LPCDIPROPHEADER header) = 0;
    virtual HRESULT STDMETHODCALLTYPE Acquire() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDeviceState(DWORD size, LPVOID data) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDataFormat(LPCDIDATAFORMAT format) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE Poll() = 0;
};
typedef IDirectInputDevice2A* LPDIRECTINPUTDEVICE2A;

struct IDirectInput7A : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE EnumDevices(DWORD deviceType, LPDIENUMDEVICESCALLBACKA callback,
                                                  LPVOID ref, DWORD flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateDeviceEx(REFGUID instance, REFIID iid, LPVOID* out,
                                                     IUnknown* outer) = 0;
};
typedef IDirectInput7A* LPDIRECTINPUT7A;

extern const GUID IID_IDirectInput7A;
extern const GUID IID_IDirectInputDevice2A;
extern const GUID GUID_XAxis;
extern const GUID GUID_YAxis;

HRESULT WINAPI DirectInputCreateEx(HINSTANCE instance, DWORD version, REFIID iid, LPVOID* out,
                                   IUnknown* outer);

#endif
