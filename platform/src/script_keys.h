// The seven game keys as the letters of input scripts: L R U D Z X C.
#ifndef PLATFORM_SCRIPT_KEYS_H
#define PLATFORM_SCRIPT_KEYS_H

#include <string>
#include <vector>

struct ScriptLetter {
    char letter;
    int key;   // virtual-key code
};

extern const ScriptLetter SCRIPT_LETTERS[7];

// The virtual-key code of a script letter, or 0.
int ScriptKey(char letter);
// The script letters of the held keys in table order, or "-" for none.
std::string ScriptKeys(const std::vector<int>& keys);

#endif
