// Reading and writing the simulator's input scripts.
#include "sim_script.h"

#include <windows.h>

#include <sstream>

struct ScriptLetter {
    char letter;
    int key;
};

static const ScriptLetter LETTERS[] = {
    {'L', VK_LEFT}, {'R', VK_RIGHT}, {'U', VK_UP}, {'D', VK_DOWN}, {'Z', 'Z'}, {'X', 'X'}, {'C', 'C'},
};

int ScriptKey(char letter)
{
    for (const ScriptLetter& entry : LETTERS) {
        if (entry.letter == letter) {
            return entry.key;
        }
    }
    return 0;
}

std::string ScriptKeys(const std::vector<int>& keys)
{
    std::string letters;
    for (const ScriptLetter& entry : LETTERS) {
        for (int key : keys) {
            if (key == entry.key) {
                letters += entry.letter;
                break;
            }
        }
    }
    return letters.empty() ? "-" : letters;
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
