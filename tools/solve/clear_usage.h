// What a clearing script made use of: which switches it changed and which
// items it moved, so a clear that leaves out the stage's idea shows up.
#ifndef TOOLS_SOLVE_CLEAR_USAGE_H
#define TOOLS_SOLVE_CLEAR_USAGE_H

#include <string>
#include <vector>

#include "input_script.h"

struct ClearUsage {
    bool cleared = false;
    unsigned clearTime = 0;
    std::vector<int> unswitched;   // switch numbers whose state never changed
    std::vector<int> unmoved;      // item numbers, from 1, that never left their start
};

// Plays the script in a game of its own, as sim --until-clear does, and
// watches the switches and items. False when the game could not start.
bool WatchClear(const std::string& mapText, const std::vector<ScriptStep>& steps, ClearUsage& usage,
                std::string& error);

// The usage as JSON fields: "unswitched":[...],"unmoved":[...]
std::string UsageJson(const ClearUsage& usage);

#endif
