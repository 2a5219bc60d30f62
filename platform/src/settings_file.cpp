// Reading and writing settings.ini. Two game keys given the same key are a
// conflict: the later line gives way and its game key keeps its default.
#include "settings_file.h"

#include <cstdlib>

namespace plat {

// Where each game key's binding came from: its line, or 0 for the default.
struct KeyLines {
    int line[ACTION_COUNT] = {};
};

static std::string Trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t\r");
    size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

static bool ParseNumber(const std::string& text, int low, int high, int& out)
{
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    int value = atoi(text.c_str());
    if (value < low || value > high) {
        return false;
    }
    out = value;
    return true;
}

bool ParseVolume(const std::string& text, int& out)
{
    return ParseNumber(text, 0, MAX_VOLUME, out);
}

bool ParseScale(const std::string& text, int& out)
{
    return ParseNumber(text, 1, MAX_SCALE, out);
}

bool ParseLanguage(const std::string& text, std::string& out)
{
    if (text != "ja" && text != "en") {
        return false;
    }
    out = text;
    return true;
}

static bool ParseYesNo(const std::string& text, bool& out)
{
    if (text != "yes" && text != "no") {
        return false;
    }
    out = text == "yes";
    return true;
}

// One "key = value" line of a known section; the reason when it is not usable.
static std::string ApplySetting(const std::string& section, const std::string& key, const std::string& value,
                                Settings& settings)
{
    if (section == "display" && key == "fullscreen") {
        return ParseYesNo(value, settings.fullscreen) ? "" : "fullscreen is yes or no";
    }
    if (section == "display" && key == "scale") {
        return ParseScale(value, settings.scale) ? "" : "scale is a whole number from 1 to 8";
    }
    if (section == "sound" && (key == "music" || key == "effects")) {
        int& volume = key == "music" ? settings.musicVolume : settings.effectsVolume;
        return ParseVolume(value, volume) ? "" : "a volume is a whole number from 0 to 100";
    }
    if (section == "game" && key == "language") {
        return ParseLanguage(value, settings.language) ? "" : "language is ja or en";
    }
    return "no setting \"" + key + "\" in [" + section + "]";
}

static std::string ApplyKey(const std::string& key, const std::string& value, Settings& settings)
{
    int action = ActionOfName(key);
    if (action < 0) {
        return "no game key called \"" + key + "\"";
    }
    std::string error;
    return ParseKeyList(value, settings.keys.keys[action], error) ? "" : error;
}

// Gives every later of two game keys sharing a key back its default, until
// none share one (the defaults never do).
static void ResolveConflicts(Settings& settings, const KeyLines& lines, const std::string& source,
                             std::vector<std::string>& problems)
{
    KeyBindings defaults = DefaultKeyBindings();
    for (bool changed = true; changed;) {
        changed = false;
        for (int action = 0; action < ACTION_COUNT && !changed; action++) {
            for (SDL_Keycode key : settings.keys.keys[action]) {
                int other = ActionOfKey(settings.keys, key, action);
                if (other < 0 || changed) {
                    continue;
                }
                int loser = lines.line[other] > lines.line[action] ? other : action;
                int winner = loser == action ? other : action;
                problems.push_back(source + ":" + std::to_string(lines.line[loser]) + ": " + SDL_GetKeyName(key) +
                                   " is already the " + ActionName(winner) + " key; " + ActionName(loser) +
                                   " keeps " + FormatKeyList(defaults.keys[loser]));
                for (int slot = 0; slot < KEYS_PER_ACTION; slot++) {
                    settings.keys.keys[loser][slot] = defaults.keys[loser][slot];
                }
                changed = true;
            }
        }
    }
}

// Where the reading has got to: the section it is in and where the keys came from.
struct Reading {
    Settings settings;
    KeyLines keyLines;
    std::string section;
    bool knownSection = false;
};

static bool IsKnownSection(const std::string& section)
{
    return section == "display" || section == "sound" || section == "keys" || section == "game";
}

// One trimmed line; a problem with it goes to `problems` prefixed with `where`.
static void ReadLine(const std::string& line, int number, const std::string& where, Reading& reading,
                     std::vector<std::string>& problems)
{
    if (line.empty() || line[0] == '#' || line[0] == ';') {
        return;
    }
    if (line[0] == '[' && line.back() == ']') {
        reading.section = Trim(line.substr(1, line.size() - 2));
        reading.knownSection = IsKnownSection(reading.section);
        if (!reading.knownSection) {
            problems.push_back(where + "no section [" + reading.section + "]; its lines are ignored");
        }
        return;
    }
    size_t equals = line.find('=');
    if (equals == std::string::npos) {
        problems.push_back(where + "not a \"key = value\" line");
        return;
    }
    if (!reading.knownSection) {
        if (reading.section.empty()) {
            problems.push_back(where + "a setting before any [section]");
        }
        return;
    }
    std::string key = Trim(line.substr(0, equals));
    std::string value = Trim(line.substr(equals + 1));
    bool keys = reading.section == "keys";
    std::string error = keys ? ApplyKey(key, value, reading.settings)
                             : ApplySetting(reading.section, key, value, reading.settings);
    if (!error.empty()) {
        problems.push_back(where + error + "; the default is used");
    } else if (keys) {
        reading.keyLines.line[ActionOfName(key)] = number;
    }
}

Settings ParseSettings(const std::string& text, const std::string& source, std::vector<std::string>& problems)
{
    Reading reading;
    size_t start = 0;
    for (int number = 1; start < text.size(); number++) {
        size_t end = text.find('\n', start);
        std::string line = Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? text.size() : end + 1;
        ReadLine(line, number, source + ":" + std::to_string(number) + ": ", reading, problems);
    }
    ResolveConflicts(reading.settings, reading.keyLines, source, problems);
    return reading.settings;
}

std::string FormatSettings(const Settings& settings)
{
    std::string text = "# Frog Pond's settings, written when they change outside the game's screens.\n";
    text += "[display]\nfullscreen = " + std::string(settings.fullscreen ? "yes" : "no") + "\n";
    text += "scale = " + std::to_string(settings.scale) + "\n\n";
    text += "[sound]\nmusic = " + std::to_string(settings.musicVolume) + "\n";
    text += "effects = " + std::to_string(settings.effectsVolume) + "\n\n";
    text += "[game]\n";
    text += settings.language.empty() ? "# language = en\n" : "language = " + settings.language + "\n";
    text += "\n[keys]\n";
    for (int action = 0; action < ACTION_COUNT; action++) {
        text += std::string(ActionName(action)) + " = " + FormatKeyList(settings.keys.keys[action]) + "\n";
    }
    return text;
}

}  // namespace plat
