// Reading input scripts.
#include "input_script.h"

#include <sstream>

const char BLACK_MARK[] = "# black";

bool PaletteFadedOut(const PALETTEENTRY* palette)
{
    for (int i = 0; i < 255; i++) {
        if (palette[i].peRed != 0 || palette[i].peGreen != 0 || palette[i].peBlue != 0) {
            return false;
        }
    }
    return true;
}

static bool ParseKeys(const std::string& word, std::vector<int>& keys)
{
    if (word == "-") {
        return true;
    }
    for (char letter : word) {
        int key = ScriptKey(letter);
        if (key == 0) {
            return false;
        }
        keys.push_back(key);
    }
    return true;
}

static bool ParseStep(const std::string& line, ScriptStep& step, std::string& reason)
{
    std::istringstream words(line);
    std::string keys, frames, rest;
    words >> keys >> frames >> rest;
    if (keys.empty() || frames.empty() || !rest.empty()) {
        reason = "expected KEYS FRAMES";
        return false;
    }
    if (!ParseKeys(keys, step.keys)) {
        reason = "keys must be letters of LRUDZXC or -";
        return false;
    }
    if (frames.find_first_not_of("0123456789") != std::string::npos || frames.size() > 7) {
        reason = "frames must be a whole number below 10000000";
        return false;
    }
    step.frames = std::stoi(frames);
    return true;
}

bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error)
{
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); number++) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == BLACK_MARK) {
            steps.push_back(ScriptStep{{}, 0, true});
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#') {
            continue;
        }
        ScriptStep step;
        std::string reason;
        if (!ParseStep(line, step, reason)) {
            error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
        steps.push_back(step);
    }
    return true;
}
