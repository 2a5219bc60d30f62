// SDL scancodes and Windows virtual-key codes: one table read both ways.
#include "keymap.h"

namespace plat {

struct KeyPair {
    SDL_Scancode scancode;
    int virtualKey;
};

static const KeyPair KEYS[] = {
    {SDL_SCANCODE_BACKSPACE, 0x08}, {SDL_SCANCODE_TAB, 0x09},     {SDL_SCANCODE_RETURN, 0x0D},
    {SDL_SCANCODE_LSHIFT, 0x10},    {SDL_SCANCODE_RSHIFT, 0x10},  {SDL_SCANCODE_LCTRL, 0x11},
    {SDL_SCANCODE_RCTRL, 0x11},     {SDL_SCANCODE_LALT, 0x12},    {SDL_SCANCODE_RALT, 0x12},
    {SDL_SCANCODE_PAUSE, 0x13},     {SDL_SCANCODE_ESCAPE, 0x1B},  {SDL_SCANCODE_SPACE, 0x20},
    {SDL_SCANCODE_PAGEUP, 0x21},    {SDL_SCANCODE_PAGEDOWN, 0x22}, {SDL_SCANCODE_END, 0x23},
    {SDL_SCANCODE_HOME, 0x24},      {SDL_SCANCODE_LEFT, 0x25},    {SDL_SCANCODE_UP, 0x26},
    {SDL_SCANCODE_RIGHT, 0x27},     {SDL_SCANCODE_DOWN, 0x28},    {SDL_SCANCODE_INSERT, 0x2D},
    {SDL_SCANCODE_DELETE, 0x2E},    {SDL_SCANCODE_F1, 0x70},      {SDL_SCANCODE_F2, 0x71},
    {SDL_SCANCODE_F3, 0x72},        {SDL_SCANCODE_F4, 0x73},      {SDL_SCANCODE_F5, 0x74},
    {SDL_SCANCODE_F6, 0x75},        {SDL_SCANCODE_F7, 0x76},      {SDL_SCANCODE_F8, 0x77},
    {SDL_SCANCODE_F9, 0x78},        {SDL_SCANCODE_F10, 0x79},     {SDL_SCANCODE_F11, 0x7A},
    {SDL_SCANCODE_F12, 0x7B},
};

int VirtualKeyOf(SDL_Scancode scancode)
{
    // Letters and digits have the code of their upper-case character.
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return 'A' + (scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return '1' + (scancode - SDL_SCANCODE_1);
    }
    if (scancode == SDL_SCANCODE_0) {
        return '0';
    }
    for (const KeyPair& key : KEYS) {
        if (key.scancode == scancode) {
            return key.virtualKey;
        }
    }
    return 0;
}

SDL_Scancode ScancodeOf(int virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return (SDL_Scancode)(SDL_SCANCODE_A + (virtualKey - 'A'));
    }
    if (virtualKey >= '1' && virtualKey <= '9') {
        return (SDL_Scancode)(SDL_SCANCODE_1 + (virtualKey - '1'));
    }
    if (virtualKey == '0') {
        return SDL_SCANCODE_0;
    }
    for (const KeyPair& key : KEYS) {
        if (key.virtualKey == virtualKey) {
            return key.scancode;
        }
    }
    return SDL_SCANCODE_UNKNOWN;
}

}  // namespace plat
