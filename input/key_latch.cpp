// The latches of the game keys: one slot per key, shared by every screen and
// the play rules, so a press acts once until the key is released.
#include "input/input.h"

BYTE g_keyLatch[256];

int TakeKeyPressIf(int key, int allowed)
{
    if (g_key[key] == 0) {
        g_keyLatch[key] = 0;
        return 0;
    }
    if (allowed == 1 && g_keyLatch[key] == 0) {
        g_keyLatch[key] = 1;
        return 1;
    }
    return 0;
}

int TakeKeyPress(int key)
{
    return TakeKeyPressIf(key, 1);
}
