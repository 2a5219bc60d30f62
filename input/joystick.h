// The joystick device: DirectInput 7 and one joystick in the standard joystick
// format, set up once at start and read once a frame in place of the keyboard.
#ifndef INPUT_JOYSTICK_H
#define INPUT_JOYSTICK_H

#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0700
#endif
#include <windows.h>
#include <dinput.h>

extern LPDIRECTINPUT7A g_dinput;
extern LPDIRECTINPUTDEVICE2A g_joystick;
extern DIDEVCAPS g_joystickCaps;

// 0 on success, else the failing call's result (E_FAIL when none is attached).
HRESULT InitJoystick(HWND window, HINSTANCE instance);
BOOL CALLBACK OnJoystickFound(LPCDIDEVICEINSTANCEA instance, LPVOID context);
BOOL CALLBACK OnJoystickAxis(LPCDIDEVICEOBJECTINSTANCEA object, LPVOID context);
// Reads the joystick into the seven game-key slots of g_key.
void ReadJoystick(void);

#endif
