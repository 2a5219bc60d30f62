// The game keys as every screen sees them: their state at the last sample,
// from the keyboard or the joystick, and the latches that make a press act once.
#ifndef INPUT_INPUT_H
#define INPUT_INPUT_H

#include <windows.h>

extern BYTE g_key[256];
extern BYTE g_keyLatch[256];

// Samples the seven game keys into g_key; always returns 1.
int ReadInput(void);
// The latch rule: 1 in the frame a press of `key` is first seen, then 0 until
// the key has been released and pressed again.
int TakeKeyPress(int key);
// The same, acting only while `allowed` is 1; a release always clears the latch.
int TakeKeyPressIf(int key, int allowed);

#endif
