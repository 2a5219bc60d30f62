// Where the game's files are: the stages and default best times it ships,
// and the player's own folder that its best times are saved in.
#ifndef DATA_FOLDER_H
#define DATA_FOLDER_H

#include <string>

namespace plat {

// The player's folder from the environment, as the desktop's base directory
// rules have it: XDG_DATA_HOME, else HOME/.local/share, then "frogpond".
// Empty when neither is set; a relative XDG_DATA_HOME is ignored.
std::string PlayerFolderFromEnvironment(const char* xdgDataHome, const char* home);

// The share folder of an installed game whose executable is in exeDir (bin/
// beside share/frogpond/), or empty for a game run from its build folder.
std::string InstalledShareFolder(const std::string& exeDir);

// Makes the player's folder the working folder, creating it, with the
// shipped stages in reach as map/ and a copy of the shipped score.dat when it
// has none of its own. The player's own score.dat is never replaced. When
// the folder cannot be made the game runs in the shipped folder itself; when
// it cannot be written, scores will not be saved: both fill `warning`.
// Returns false only when neither folder can be entered.
bool EnterPlayerFolder(const std::string& shipped, const std::string& player, std::string& warning);

// Decides both folders for this run and enters the player's; a game run
// from its build folder stays in the working folder, as it always has. With
// a stage pack, enters the pack's own folder; false, told on stderr, when
// that cannot be made.
bool EnterDataFolder();

}  // namespace plat

#endif
