// Plays a map through the game's own frame tick on the headless platform.
#ifndef TOOLS_SIM_SIM_RUN_H
#define TOOLS_SIM_SIM_RUN_H

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "input_script.h"

struct SimOptions {
    std::string mapText;
    std::vector<ScriptStep> steps;
    int every = 1;              // print every Nth frame's state
    std::string pngFolder;      // also save each printed frame's picture
    bool untilClear = false;    // stop once the clear sequence begins
    bool brightStart = false;   // the palette already lit, so no fade-in shows
    bool noPixels = false;      // blits and flips skip their pixel work
    // Called after every frame; returning false stops the run.
    std::function<bool(int frame)> afterFrame;
};

struct SimResult {
    int frames = 0;
    bool cleared = false;
    unsigned clearTime = 0;     // the play clock when the stage was cleared
};

// Runs the script and writes one JSON line per printed frame to `out`
// (none when it is NULL).
// Returns false with a message in `error` when the game could not start.
bool RunSimulation(const SimOptions& options, FILE* out, SimResult& result, std::string& error);

// Sets the game up as RunSimulation does, in a scratch folder holding the map
// as stage 1, hands its window to `body`, and releases it all afterwards.
bool RunWithGame(const SimOptions& options, const std::function<void(HWND)>& body, std::string& error);
// The keys of one script step, held from the next frame on.
void HoldScriptKeys(const std::vector<int>& held);
// The script's frame number `frame`: its tick, then one UpdateFrame.
void PlayScriptFrame(HWND window, int frame);

#endif
