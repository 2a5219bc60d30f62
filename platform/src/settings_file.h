// The player's settings and their text in settings.ini: "key = value" lines
// in [sections], '#' starting a comment. Reading never fails: a line that
// cannot be used is reported with its number and its setting keeps the default.
#ifndef PLATFORM_SETTINGS_FILE_H
#define PLATFORM_SETTINGS_FILE_H

#include <string>
#include <vector>

#include "key_bindings.h"

namespace plat {

static const int MAX_SCALE = 8;
static const int MAX_VOLUME = 100;

struct Settings {
    bool fullscreen = true;
    int scale = 1;
    int musicVolume = MAX_VOLUME;
    int effectsVolume = MAX_VOLUME;
    // "ja" or "en"; empty follows the system's language.
    std::string language;
    KeyBindings keys = DefaultKeyBindings();
};

// `source` names the text in the problems, as in "settings.ini:4: ...".
Settings ParseSettings(const std::string& text, const std::string& source, std::vector<std::string>& problems);
std::string FormatSettings(const Settings& settings);

// Setting values as the command line and the file both write them; false
// leaves `out` alone.
bool ParseVolume(const std::string& text, int& out);
bool ParseScale(const std::string& text, int& out);
bool ParseLanguage(const std::string& text, std::string& out);

}  // namespace plat

#endif
