// Fuzzes the input-script reader of --replay and sim --input: any bytes as a
// script; one that reads must hold only whole steps, and written out again as
// the key recorder writes it, must read back as the same steps.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "input_script.h"

static std::string WriteScript(const std::vector<ScriptStep>& steps)
{
    std::string text;
    for (const ScriptStep& step : steps) {
        text += step.untilBlack ? std::string(BLACK_MARK) : ScriptKeys(step.keys) + " " + std::to_string(step.frames);
        text += "\n";
    }
    return text;
}

static void CheckStep(const ScriptStep& step)
{
    if (step.frames < 0 || step.frames > 9999999 || (step.untilBlack && (step.frames != 0 || !step.keys.empty()))) {
        abort();
    }
    for (int key : step.keys) {
        if (ScriptKeys({key}) == "-") {
            abort();
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<ScriptStep> steps;
    std::string error;
    if (!ParseScript(std::string((const char*)data, size), steps, error)) {
        if (error.rfind("line ", 0) != 0) {
            abort();
        }
        return 0;
    }
    for (const ScriptStep& step : steps) {
        CheckStep(step);
    }
    std::vector<ScriptStep> again;
    if (!ParseScript(WriteScript(steps), again, error) || again.size() != steps.size()) {
        abort();
    }
    for (size_t i = 0; i < steps.size(); i++) {
        if (again[i].frames != steps[i].frames || again[i].untilBlack != steps[i].untilBlack ||
            ScriptKeys(again[i].keys) != ScriptKeys(steps[i].keys)) {
            abort();
        }
    }
    return 0;
}
