// The player's folder in the browser's storage cannot hold a link that the
// storage would keep: the shipped stages are copied in at every start, and
// stages the shipped folder no longer has are removed.
#include <cstdio>

#include "data_files.h"

namespace plat {

static std::string StageFile(const std::string& folder, int number)
{
    char name[32];
    snprintf(name, sizeof name, "/map%d.map", number);
    return folder + name;
}

bool ProvideStages(const std::string& shipped, const std::string& copy)
{
    if (!MakeFolders(copy)) {
        return false;
    }
    int number = 1;
    for (; IsFile(StageFile(shipped, number)); number++) {
        if (!CopyOneFile(StageFile(shipped, number), StageFile(copy, number))) {
            return false;
        }
    }
    for (; IsFile(StageFile(copy, number)); number++) {
        RemoveFile(StageFile(copy, number));
    }
    return true;
}

}  // namespace plat
