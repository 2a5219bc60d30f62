// Finding the shipped stages and the player's folder, and starting the game
// in the player's folder so that its relative file names reach both.
#include "data_folder.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "data_files.h"
#include "platform_state.h"
#include "stage_pack.h"

namespace plat {

static const char APP_FOLDER[] = "frogpond";

std::string PlayerFolderFromEnvironment(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome != NULL && xdgDataHome[0] == '/') {
        return std::string(xdgDataHome) + "/" + APP_FOLDER;
    }
    if (home != NULL && home[0] != '\0') {
        return std::string(home) + "/.local/share/" + APP_FOLDER;
    }
    return "";
}

std::string InstalledShareFolder(const std::string& exeDir)
{
    std::string share = exeDir + "../share/" + APP_FOLDER;
    return IsFolder(share + "/map") ? share : "";
}

bool EnterPlayerFolder(const std::string& shipped, const std::string& player, std::string& warning)
{
    warning.clear();
    if (player.empty() || !MakeFolders(player)) {
        warning = "Cannot make the folder " + player + " (" + LastFileError() +
                  "): best times will not be saved";
        return EnterFolder(shipped);
    }
    if (!ProvideStages(shipped + "/map", player + "/map")) {
        warning = "Cannot reach the stages from " + player + " (" + LastFileError() + ")";
        return EnterFolder(shipped);
    }
    if (!IsFile(player + "/score.dat") && IsFile(shipped + "/score.dat")) {
        CopyOneFile(shipped + "/score.dat", player + "/score.dat");
    }
    if (!CanWriteIn(player)) {
        warning = "Cannot write in " + player + " (" + LastFileError() + "): best times will not be saved";
    }
    return EnterFolder(player);
}

static std::string ExecutableFolder()
{
    char* base = SDL_GetBasePath();
    std::string folder = base != NULL ? base : "";
    SDL_free(base);
    return folder;
}

#ifdef _WIN32
static std::string WithoutTrailingSeparator(std::string path)
{
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    return path;
}

// The game's own folder holds the shipped files; the player's is in the
// roaming application data, as SDL finds it.
static void ChooseFolders(std::string& shipped, std::string& player)
{
    shipped = WithoutTrailingSeparator(ExecutableFolder());
    char* pref = SDL_GetPrefPath("", APP_FOLDER);
    player = pref != NULL ? WithoutTrailingSeparator(pref) : "";
    SDL_free(pref);
}
#else
static void ChooseFolders(std::string& shipped, std::string& player)
{
    shipped = InstalledShareFolder(ExecutableFolder());
    player = PlayerFolderFromEnvironment(getenv("XDG_DATA_HOME"), getenv("HOME"));
}
#endif

// One line on stderr, which the debug channel already reaches with --debug.
static void Warn(const std::string& warning)
{
    std::string line = warning + "\n";
    OutputDebugStringA(line.c_str());
    if (!g_options.debug) {
        fputs(line.c_str(), stderr);
    }
}

// A pack is played from its own folder in the player's, wherever the game
// itself was started from; its faults are told and then played as the
// shipped stages' would be.
static bool EnterPackFolder(const std::string& player)
{
    std::string problem = PackProblem(g_options.stagePack);
    if (!problem.empty()) {
        Warn("frogpond: " + problem);
    }
    std::string error;
    if (!EnterStagePack(g_options.stagePack, player, error)) {
        Warn("frogpond: " + error + ": the stage pack cannot be played");
        return false;
    }
    return true;
}

bool EnterDataFolder()
{
    std::string shipped;
    std::string player;
    ChooseFolders(shipped, player);
    if (!g_options.stagePack.empty()) {
        return EnterPackFolder(player);
    }
    if (shipped.empty()) {
        return true;
    }
    std::string warning;
    if (!EnterPlayerFolder(shipped, player, warning) && warning.empty()) {
        warning = "Cannot enter " + shipped + " (" + LastFileError() + ")";
    }
    if (!warning.empty()) {
        Warn(warning);
    }
    return true;
}

}  // namespace plat
