// Game keys bound to keyboard keys: names, defaults, parsing and the lookups
// the window's key messages and GetAsyncKeyState go through.
#include "key_bindings.h"

#include <windows.h>

namespace plat {

struct ActionInfo {
    const char* name;
    int virtualKey;
    SDL_Keycode defaults[KEYS_PER_ACTION];
};

static const ActionInfo ACTIONS[ACTION_COUNT] = {
    {"left", VK_LEFT, {SDLK_LEFT, SDLK_UNKNOWN}},   {"right", VK_RIGHT, {SDLK_RIGHT, SDLK_UNKNOWN}},
    {"up", VK_UP, {SDLK_UP, SDLK_UNKNOWN}},         {"down", VK_DOWN, {SDLK_DOWN, SDLK_UNKNOWN}},
    {"confirm", 'Z', {SDLK_z, SDLK_UNKNOWN}},       {"jump", 'X', {SDLK_x, SDLK_UNKNOWN}},
    {"pause", 'C', {SDLK_c, SDLK_UNKNOWN}},         {"quit", VK_ESCAPE, {SDLK_ESCAPE, SDLK_F12}},
};

KeyBindings g_keyBindings = DefaultKeyBindings();
static LayoutLookup g_layout = SystemLayout;

// Before the display is open SDL has no layout yet: a key then sits where its
// name says, as on an English keyboard.
SDL_Scancode SystemLayout(SDL_Keycode key)
{
    SDL_Scancode scancode = SDL_GetScancodeFromKey(key);
    return scancode != SDL_SCANCODE_UNKNOWN ? scancode : SDL_GetScancodeFromName(SDL_GetKeyName(key));
}

KeyBindings DefaultKeyBindings()
{
    KeyBindings bindings;
    for (int action = 0; action < ACTION_COUNT; action++) {
        for (int slot = 0; slot < KEYS_PER_ACTION; slot++) {
            bindings.keys[action][slot] = ACTIONS[action].defaults[slot];
        }
    }
    return bindings;
}

const char* ActionName(int action)
{
    return ACTIONS[action].name;
}

int ActionOfName(const std::string& name)
{
    for (int action = 0; action < ACTION_COUNT; action++) {
        if (name == ACTIONS[action].name) {
            return action;
        }
    }
    return -1;
}

int ActionVirtualKey(int action)
{
    return ACTIONS[action].virtualKey;
}

static std::string Trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool ParseKeyList(const std::string& text, SDL_Keycode out[KEYS_PER_ACTION], std::string& error)
{
    SDL_Keycode keys[KEYS_PER_ACTION] = {SDLK_UNKNOWN, SDLK_UNKNOWN};
    int count = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string name = Trimmed(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        SDL_Keycode key = SDL_GetKeyFromName(name.c_str());
        if (key == SDLK_UNKNOWN) {
            error = name.empty() ? "a key name is missing" : "no key is called \"" + name + "\"";
            return false;
        }
        if (count == KEYS_PER_ACTION) {
            error = "at most two keys can be bound to one game key";
            return false;
        }
        keys[count++] = key;
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    out[0] = keys[0];
    out[1] = keys[1] == keys[0] ? SDLK_UNKNOWN : keys[1];
    return true;
}

std::string FormatKeyList(const SDL_Keycode keys[KEYS_PER_ACTION])
{
    std::string text;
    for (int slot = 0; slot < KEYS_PER_ACTION; slot++) {
        if (keys[slot] != SDLK_UNKNOWN) {
            text += (text.empty() ? "" : ", ") + std::string(SDL_GetKeyName(keys[slot]));
        }
    }
    return text;
}

int ActionOfKey(const KeyBindings& bindings, SDL_Keycode key, int except)
{
    for (int action = 0; action < ACTION_COUNT; action++) {
        for (int slot = 0; slot < KEYS_PER_ACTION && action != except; slot++) {
            if (key != SDLK_UNKNOWN && bindings.keys[action][slot] == key) {
                return action;
            }
        }
    }
    return -1;
}

void SetKeyboardLayout(LayoutLookup lookup)
{
    g_layout = lookup != NULL ? lookup : SystemLayout;
}

int BoundVirtualKey(SDL_Keycode key)
{
    int action = ActionOfKey(g_keyBindings, key);
    return action < 0 ? 0 : ActionVirtualKey(action);
}

bool BoundKeyHeld(int virtualKey, const Uint8* keyboard)
{
    for (int action = 0; action < ACTION_COUNT; action++) {
        if (ActionVirtualKey(action) != virtualKey) {
            continue;
        }
        for (SDL_Keycode key : g_keyBindings.keys[action]) {
            SDL_Scancode scancode = key == SDLK_UNKNOWN ? SDL_SCANCODE_UNKNOWN : g_layout(key);
            if (scancode != SDL_SCANCODE_UNKNOWN && keyboard[scancode] != 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace plat
