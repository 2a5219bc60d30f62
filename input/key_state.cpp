// The game keys' state, sampled once a frame from the keyboard or, when one
// was set up at start, from the joystick.
#include "input/input.h"

#include "app/app_state.h"
#include "input/joystick.h"

BYTE g_key[256];

// The game keys in the order the keyboard is sampled.
static const int GAME_KEYS[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, 'Z', 'X', 'C'};
static const int GAME_KEY_COUNT = sizeof GAME_KEYS / sizeof GAME_KEYS[0];

// A key is held when the sign bit is set; the pressed-since bit is ignored.
static void ReadKeyboard(void)
{
    for (int n = 0; n < GAME_KEY_COUNT; n++) {
        int key = GAME_KEYS[n];
        g_key[key] = (GetAsyncKeyState(key) & 0x8000) != 0;
    }
}

int ReadInput(void)
{
    if (g_useJoystick == 0) {
        ReadKeyboard();
    } else {
        ReadJoystick();
    }
    return 1;
}
