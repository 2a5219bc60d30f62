// settings.ini in the player's configuration folder (on Windows beside the
// saves), written as score.dat is: to a temporary file that is synced and
// then moved over the old one.
#include "settings_store.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "data_files.h"

namespace plat {

Settings g_settings;
Settings g_savedSettings;
static bool g_toldNotKept;

static const char SETTINGS_FILE[] = "settings.ini";

#ifdef _WIN32
// Beside the saves, in the roaming application data.
static std::string SettingsFolder()
{
    char* pref = SDL_GetPrefPath("", "frogpond");
    std::string folder = pref != NULL ? pref : ".\\";
    SDL_free(pref);
    return folder;
}
#else
static std::string SettingsFolder()
{
    const char* config = getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != NULL && config[0] == '/') {
        folder = config;
    } else {
        const char* home = getenv("HOME");
        folder = std::string(home != NULL ? home : ".") + "/.config";
    }
    return folder + "/frogpond/";
}
#endif

std::string SettingsPath()
{
    return SettingsFolder() + SETTINGS_FILE;
}

void LoadSettings()
{
    std::string path = SettingsPath();
    std::string text;
    g_savedSettings = g_settings = Settings();
    if (!IsFile(path)) {
        return;
    }
    if (!ReadWholeFile(path, text)) {
        fprintf(stderr, "%s: cannot be read (%s); the default settings are used\n", path.c_str(),
                LastFileError().c_str());
        return;
    }
    std::vector<std::string> problems;
    g_savedSettings = ParseSettings(text, path, problems);
    g_settings = g_savedSettings;
    for (const std::string& problem : problems) {
        fprintf(stderr, "%s\n", problem.c_str());
    }
}

bool SaveSettings(const Settings& settings)
{
    std::string path = SettingsPath();
    std::string temporary = path + ".tmp";
    bool ok = MakeFolders(SettingsFolder()) && WriteWholeFileSynced(temporary, FormatSettings(settings)) &&
              ReplaceWithFile(temporary, path, true);
    if (!ok) {
        if (!g_toldNotKept) {
            fprintf(stderr, "%s: cannot be written (%s); settings will not be kept\n", path.c_str(),
                    LastFileError().c_str());
            g_toldNotKept = true;
        }
        RemoveFile(temporary);
    }
    return ok;
}

void KeepFullscreen(bool fullscreen)
{
    g_settings.fullscreen = fullscreen;
    g_savedSettings.fullscreen = fullscreen;
    SaveSettings(g_savedSettings);
}

}  // namespace plat
