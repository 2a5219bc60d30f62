// Input scripts, read by the simulator and by the key replay and written by
// the key recorder: one step per line, "KEYS FRAMES", where KEYS is any of
// L R U D Z X C together, or "-" for none. A "# black" line marks a frame shown
// faded out: a screen change has just finished its fade-out.
#ifndef PLATFORM_INPUT_SCRIPT_H
#define PLATFORM_INPUT_SCRIPT_H

#include <windows.h>

#include <string>
#include <vector>

#include "script_keys.h"

extern const char BLACK_MARK[];   // "# black"

struct ScriptStep {
    std::vector<int> keys;   // virtual-key codes held
    int frames;
    bool untilBlack = false;   // a black mark: no frames of its own, it waits for one
};

// Every entry black but the last: fades leave entry 255, the white, alone.
bool PaletteFadedOut(const PALETTEENTRY* palette);

// Parses a whole script; black marks become steps of 0 frames with
// `untilBlack` set, other lines starting with '#' and blank lines are skipped.
// On a bad line returns false with "line N: reason" in `error`.
bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error);

#endif  // PLATFORM_INPUT_SCRIPT_H
