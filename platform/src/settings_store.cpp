// settings.ini in the player's configuration folder, written as score.dat is:
// to a temporary file that is synced and then renamed over the old one.
#include "settings_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace plat {

Settings g_settings;
Settings g_savedSettings;
static bool g_toldNotKept;

std::string SettingsPath()
{
    const char* config = getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != NULL && config[0] == '/') {
        folder = config;
    } else {
        const char* home = getenv("HOME");
        folder = std::string(home != NULL ? home : ".") + "/.config";
    }
    return folder + "/frogpond/settings.ini";
}

static bool ReadWhole(const std::string& path, std::string& text)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (file == NULL) {
        return false;
    }
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, got);
    }
    bool ok = ferror(file) == 0;
    fclose(file);
    return ok;
}

void LoadSettings()
{
    std::string path = SettingsPath();
    std::string text;
    if (!ReadWhole(path, text)) {
        if (errno != ENOENT) {
            fprintf(stderr, "%s: cannot be read (%s); the default settings are used\n", path.c_str(), strerror(errno));
        }
        g_savedSettings = g_settings = Settings();
        return;
    }
    std::vector<std::string> problems;
    g_savedSettings = ParseSettings(text, path, problems);
    g_settings = g_savedSettings;
    for (const std::string& problem : problems) {
        fprintf(stderr, "%s\n", problem.c_str());
    }
}

// Makes every missing folder on the way to the file.
static bool MakeFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

static bool WriteSynced(const std::string& path, const std::string& text)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (file == NULL) {
        return false;
    }
    bool ok = fwrite(text.data(), 1, text.size(), file) == text.size() && fflush(file) == 0 &&
              fsync(fileno(file)) == 0;
    return fclose(file) == 0 && ok;
}

bool SaveSettings(const Settings& settings)
{
    std::string path = SettingsPath();
    std::string temporary = path + ".tmp";
    bool ok = MakeFolders(path) && WriteSynced(temporary, FormatSettings(settings)) &&
              rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        if (!g_toldNotKept) {
            fprintf(stderr, "%s: cannot be written (%s); settings will not be kept\n", path.c_str(), strerror(errno));
            g_toldNotKept = true;
        }
        unlink(temporary.c_str());
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
