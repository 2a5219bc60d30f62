// Finding a stage pack's maps and the folder its best times are kept in.
#include "stage_pack.h"

#include "data_files.h"

namespace plat {

// The shipped stages number at most 80; a map this far past a gap is
// surely meant to be played.
static const int LAST_STAGE_LOOKED_FOR = 99;

static std::string StagePath(const std::string& folder, int number)
{
    return folder + "/map" + std::to_string(number) + ".map";
}

static std::string StageName(int number)
{
    return "map" + std::to_string(number) + ".map";
}

std::string PackName(const std::string& folder)
{
    std::string path = folder;
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) {
        path.pop_back();
    }
    size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.empty() || name == "." || name == ".." || name == "/" ? "pack" : name;
}

std::string PackProblem(const std::string& folder)
{
    if (!IsFolder(folder)) {
        return "there is no stage pack folder " + folder + ": no stages to play";
    }
    int count = 0;
    while (count < LAST_STAGE_LOOKED_FOR && IsFile(StagePath(folder, count + 1))) {
        count++;
    }
    int later = count + 2;
    while (later <= LAST_STAGE_LOOKED_FOR && !IsFile(StagePath(folder, later))) {
        later++;
    }
    if (count == 0 && later > LAST_STAGE_LOOKED_FOR) {
        return "the stage pack " + folder + " holds no map1.map: no stages to play";
    }
    if (later > LAST_STAGE_LOOKED_FOR) {
        return "";
    }
    std::string played = count == 0   ? "no stages are played"
                         : count == 1 ? "only map1.map is played"
                                      : StageName(1) + " to " + StageName(count) + " are played";
    return "the stage pack " + folder + " has no " + StageName(count + 1) + ": " + played + ", " +
           StageName(later) + " and later are not";
}

bool EnterStagePack(const std::string& folder, const std::string& player, std::string& error)
{
    if (player.empty()) {
        error = "the player's folder is unknown (neither XDG_DATA_HOME nor HOME is set)";
        return false;
    }
    std::string own = player + "/packs/" + PackName(folder);
    if (!MakeFolders(own)) {
        error = "cannot make the stage pack's folder " + own + " (" + LastFileError() + ")";
        return false;
    }
    if (!ProvideStages(folder, own + "/map")) {
        error = "cannot reach the stage pack " + folder + " from " + own + " (" + LastFileError() + ")";
        return false;
    }
    if (!EnterFolder(own)) {
        error = "cannot enter " + own + " (" + LastFileError() + ")";
        return false;
    }
    return true;
}

}  // namespace plat
