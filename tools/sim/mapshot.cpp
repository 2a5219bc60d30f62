// mapshot: the starting board of a map as a PNG, drawn by the game itself in
// the first frame of the stage: mapshot MAP OUT.png
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "seam.h"
#include "sim_run.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: mapshot MAP OUT.png\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        fprintf(stderr, "mapshot: cannot read map %s\n", argv[1]);
        return 2;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    SimOptions options;
    options.mapText = bytes.str();
    options.steps.push_back(ScriptStep{{}, 1});
    options.brightStart = true;
    bool saved = false;
    // The run changes into a scratch folder, so the picture's path is made whole first.
    std::string out = std::filesystem::absolute(argv[2]).string();
    options.afterFrame = [&](int) {
        saved = seam::SaveFramePng(seam::LastFrame(), out);
        return false;
    };
    SimResult result;
    std::string error;
    if (!RunSimulation(options, NULL, result, error) || !saved) {
        fprintf(stderr, "mapshot: %s\n", saved ? error.c_str() : ("cannot write " + out).c_str());
        return 2;
    }
    return 0;
}
