// The game keys and the keyboard keys bound to them, by SDL key name. Letters
// follow the label on the key, as virtual-key codes do; the arrows and the
// other named keys sit where they always are.
#ifndef PLATFORM_KEY_BINDINGS_H
#define PLATFORM_KEY_BINDINGS_H

#include <SDL.h>

#include <string>

namespace plat {

enum GameAction {
    ACTION_LEFT,
    ACTION_RIGHT,
    ACTION_UP,
    ACTION_DOWN,
    ACTION_CONFIRM,
    ACTION_JUMP,
    ACTION_PAUSE,
    ACTION_QUIT,
    ACTION_COUNT
};

static const int KEYS_PER_ACTION = 2;

// Up to two keys per game key; SDLK_UNKNOWN marks an unused slot.
struct KeyBindings {
    SDL_Keycode keys[ACTION_COUNT][KEYS_PER_ACTION];
};

KeyBindings DefaultKeyBindings();
const char* ActionName(int action);
// The action called `name` in the settings, or -1.
int ActionOfName(const std::string& name);
// The virtual-key code the game reads for an action.
int ActionVirtualKey(int action);

// Reads "Z" or "Z, Return" into the action's slots; false, with the reason,
// for a name SDL does not know or more than two keys.
bool ParseKeyList(const std::string& text, SDL_Keycode out[KEYS_PER_ACTION], std::string& error);
std::string FormatKeyList(const SDL_Keycode keys[KEYS_PER_ACTION]);
// The action that holds `key`, skipping `except`, or -1.
int ActionOfKey(const KeyBindings& bindings, SDL_Keycode key, int except = -1);

// The bindings in force and where the keyboard layout puts each key.
extern KeyBindings g_keyBindings;
typedef SDL_Scancode (*LayoutLookup)(SDL_Keycode key);
SDL_Scancode SystemLayout(SDL_Keycode key);
void SetKeyboardLayout(LayoutLookup lookup);
// The virtual-key code a pressed key stands for, or 0 when it is bound to nothing.
int BoundVirtualKey(SDL_Keycode key);
// Whether any key bound to the virtual-key code's action is held in `keyboard`.
bool BoundKeyHeld(int virtualKey, const Uint8* keyboard);

}  // namespace plat

#endif
