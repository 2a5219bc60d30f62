// The key replay: the current step's keys are held from one presented frame to
// the next; a black mark is passed once a black frame has been presented.
#include "key_replay.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "input_script.h"

namespace plat {

static std::vector<ScriptStep> g_steps;
static size_t g_step = 0;
static int g_framesLeft = 0;   // of the current step

static void StartStep(size_t step)
{
    g_step = step;
    g_framesLeft = step < g_steps.size() ? g_steps[step].frames : 0;
}

// Moves past finished steps; black marks stay until a black frame.
static void SkipFinishedSteps()
{
    while (g_step < g_steps.size() && !g_steps[g_step].untilBlack && g_framesLeft == 0) {
        StartStep(g_step + 1);
    }
}

bool OpenKeyReplay(const char* path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read the file";
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ScriptStep> steps;
    if (!ParseScript(text.str(), steps, error)) {
        return false;
    }
    g_steps = steps;
    StartStep(0);
    SkipFinishedSteps();
    return true;
}

static bool IsGameKey(int virtualKey)
{
    return std::any_of(std::begin(SCRIPT_LETTERS), std::end(SCRIPT_LETTERS),
                       [virtualKey](const ScriptLetter& entry) { return entry.key == virtualKey; });
}

bool ReplayDecidesKey(int virtualKey, bool& down)
{
    if (g_step >= g_steps.size() || !IsGameKey(virtualKey)) {
        return false;
    }
    const std::vector<int>& keys = g_steps[g_step].keys;
    down = std::find(keys.begin(), keys.end(), virtualKey) != keys.end();
    return true;
}

void AdvanceKeyReplay(const PALETTEENTRY* palette)
{
    if (g_step >= g_steps.size()) {
        return;
    }
    if (!g_steps[g_step].untilBlack) {
        g_framesLeft--;
    } else if (PaletteFadedOut(palette)) {
        StartStep(g_step + 1);
    }
    SkipFinishedSteps();
}

void CloseKeyReplay()
{
    g_steps.clear();
    StartStep(0);
}

}  // namespace plat
