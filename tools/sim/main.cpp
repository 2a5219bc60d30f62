// sim: plays a map headless through the game's own code and prints the play
// state after every frame as JSON.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim_run.h"

static const char USAGE[] = "usage: sim --map FILE --input SCRIPT [--every N] [--png DIR] [--until-clear]";

static bool ReadWhole(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    text = bytes.str();
    return !file.bad();
}

static int Fail(const std::string& message)
{
    fprintf(stderr, "sim: %s\n", message.c_str());
    return 2;
}

struct Arguments {
    std::string map;
    std::string script;
    SimOptions options;
};

static bool ParseArguments(int argc, char** argv, Arguments& args, std::string& error)
{
    for (int i = 1; i < argc; i++) {
        std::string name = argv[i];
        bool hasValue = i + 1 < argc;
        if (name == "--map" && hasValue) {
            args.map = argv[++i];
        } else if (name == "--input" && hasValue) {
            args.script = argv[++i];
        } else if (name == "--every" && hasValue && atoi(argv[i + 1]) > 0) {
            args.options.every = atoi(argv[++i]);
        } else if (name == "--png" && hasValue) {
            args.options.pngFolder = std::filesystem::absolute(argv[++i]).string();
        } else if (name == "--until-clear") {
            args.options.untilClear = true;
        } else {
            error = "bad argument " + name;
            return false;
        }
    }
    if (args.map.empty() || args.script.empty()) {
        error = "--map and --input are both needed";
        return false;
    }
    return true;
}

static bool LoadInputs(Arguments& args, std::string& error)
{
    std::string script;
    if (!ReadWhole(args.map, args.options.mapText)) {
        error = "cannot read map " + args.map;
        return false;
    }
    if (!ReadWhole(args.script, script)) {
        error = "cannot read script " + args.script;
        return false;
    }
    std::string reason;
    if (!ParseScript(script, args.options.steps, reason)) {
        error = args.script + ": " + reason;
        return false;
    }
    std::error_code ignored;
    if (!args.options.pngFolder.empty() && !std::filesystem::create_directories(args.options.pngFolder, ignored) &&
        !std::filesystem::is_directory(args.options.pngFolder)) {
        error = "cannot make folder " + args.options.pngFolder;
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    Arguments args;
    std::string error;
    if (!ParseArguments(argc, argv, args, error)) {
        return Fail(error + "; " + USAGE);
    }
    if (!LoadInputs(args, error)) {
        return Fail(error);
    }
    SimResult result;
    if (!RunSimulation(args.options, stdout, result, error)) {
        return Fail(error);
    }
    if (!args.options.untilClear) {
        return 0;
    }
    if (!result.cleared) {
        fprintf(stderr, "sim: not cleared after %d frames\n", result.frames);
        return 1;
    }
    printf("{\"clear\":%u}\n", result.clearTime);
    return 0;
}
