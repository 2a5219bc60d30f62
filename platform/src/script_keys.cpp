// Script letters of the game keys, shared by the key recorder and the simulator.
#include "script_keys.h"

#include <windows.h>

const ScriptLetter SCRIPT_LETTERS[7] = {
    {'L', VK_LEFT}, {'R', VK_RIGHT}, {'U', VK_UP}, {'D', VK_DOWN}, {'Z', 'Z'}, {'X', 'X'}, {'C', 'C'},
};

int ScriptKey(char letter)
{
    for (const ScriptLetter& entry : SCRIPT_LETTERS) {
        if (entry.letter == letter) {
            return entry.key;
        }
    }
    return 0;
}

std::string ScriptKeys(const std::vector<int>& keys)
{
    std::string letters;
    for (const ScriptLetter& entry : SCRIPT_LETTERS) {
        for (int key : keys) {
            if (key == entry.key) {
                letters += entry.letter;
                break;
            }
        }
    }
    return letters.empty() ? "-" : letters;
}
