// Writes the steps as KEYS FRAMES lines, the form sim and the replays read.
#include "solve_script.h"

#include "script_keys.h"

std::string ScriptText(const std::string& mapName, const SolveReport& report)
{
    std::string text = "# solver's clear of " + mapName + ", " + std::to_string(report.clearFrames) + " frames\n";
    text += "# clear time " + std::to_string(report.clearTime) + "\n";
    for (const ScriptStep& step : report.steps) {
        text += ScriptKeys(step.keys) + " " + std::to_string(step.frames) + "\n";
    }
    return text;
}
