// The DirectInput object and the joystick device of our stand-in.
#ifndef PLATFORM_DINPUT_OBJECTS_H
#define PLATFORM_DINPUT_OBJECTS_H

#include <windows.h>
#include <dinput.h>

#include "dinput_pad_mapping.h"
#include "dinput_pads.h"

namespace plat {

class DirectInput final : public IDirectInput7A {
public:
    explicit DirectInput(PadSource& pads) : pads_(pads) {}
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE EnumDevices(DWORD deviceType, LPDIENUMDEVICESCALLBACKA callback, LPVOID ref,
                                          DWORD flags) override;
    HRESULT STDMETHODCALLTYPE CreateDeviceEx(REFGUID instance, REFIID iid, LPVOID* out, IUnknown* outer) override;

private:
    PadSource& pads_;
};

class JoystickDevice final : public IDirectInputDevice2A {
public:
    JoystickDevice(PadSource& pads, Uint32 pad);
    ~JoystickDevice();
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetCapabilities(LPDIDEVCAPS caps) override;
    HRESULT STDMETHODCALLTYPE EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID ref,
                                          DWORD flags) override;
    HRESULT STDMETHODCALLTYPE SetProperty(REFGUID property, LPCDIPROPHEADER header) override;
    HRESULT STDMETHODCALLTYPE Acquire() override;
    HRESULT STDMETHODCALLTYPE GetDeviceState(DWORD size, LPVOID data) override;
    HRESULT STDMETHODCALLTYPE SetDataFormat(LPCDIDATAFORMAT format) override;
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Poll() override;
    // The window lost the foreground, or the seam took the input away.
    void LoseInput(bool onlyForegroundDevices);
    void RegainForeground();

private:
    HRESULT SetRange(const DIPROPRANGE& range);
    // The pad's sample, or the keyboard's once the pad is gone; false once
    // at each change of hands.
    bool ReadPadOrKeyboard(PadSample* sample);
    bool TakeAttachedPad();

    PadSource& pads_;
    Uint32 pad_;
    bool formatSet_ = false;
    bool foregroundOnly_ = false;
    bool acquired_ = false;
    bool lost_ = false;
    bool lostToBackground_ = false;
    bool onKeyboard_ = false;
    AxisRange ranges_[AXIS_COUNT] = {DEFAULT_AXIS_RANGE, DEFAULT_AXIS_RANGE};
};

// The instance GUID that names a pad, and the pad a GUID names (false if none).
GUID PadInstanceGuid(Uint32 pad);
bool PadOfInstanceGuid(REFGUID instance, Uint32* pad);

}  // namespace plat

#endif
