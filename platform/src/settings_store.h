// settings.ini on disk: where it lives, the settings in force this run and
// what the file holds, and keeping a change the player made during the run.
#ifndef PLATFORM_SETTINGS_STORE_H
#define PLATFORM_SETTINGS_STORE_H

#include <string>

#include "settings_file.h"

namespace plat {

// In force this run: the file's settings with the command line's on top.
extern Settings g_settings;
// What the file holds, so that a change during the run keeps the command
// line's one-run choices out of it.
extern Settings g_savedSettings;

// $XDG_CONFIG_HOME/frogpond/settings.ini, or under ~/.config without it.
std::string SettingsPath();
// Reads the file into both; each damaged line is told once on stderr.
void LoadSettings();
// Writes the file crash-safe (a temporary file synced, then renamed over it);
// the first failure says once that settings will not be kept.
bool SaveSettings(const Settings& settings);
// Alt+Enter: the new mode is in force and kept.
void KeepFullscreen(bool fullscreen);

}  // namespace plat

#endif
