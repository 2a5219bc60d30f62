// Input scripts of the simulator: one step per line, "KEYS FRAMES", where KEYS
// is any of L R U D Z X C together, or "-" for none.
#ifndef TOOLS_SIM_SIM_SCRIPT_H
#define TOOLS_SIM_SIM_SCRIPT_H

#include <string>
#include <vector>

#include "script_keys.h"

struct ScriptStep {
    std::vector<int> keys;   // virtual-key codes held
    int frames;
};

// Parses a whole script; blank lines and lines starting with '#' are skipped.
// On a bad line returns false with "line N: reason" in `error`.
bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error);

#endif
