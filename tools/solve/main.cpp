// solve: searches the game's own rules for a key script that clears a map
// from its stage start, and writes the fastest one it found.
// Exit 0: a clear was found; 1: no clear exists within the states searched;
// 3: the time or memory ran out first; 2: bad input.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/app_state.h"
#include "play/play_snapshot.h"
#include "clear_usage.h"
#include "sim_run.h"
#include "solve_script.h"
#include "solve_search.h"

static const char USAGE[] =
    "usage: solve --map FILE [--seconds N] [--out SCRIPT] [--move-frames N] [--max-frames N] [--memory MB] "
    "[--breadth]\n       solve --map FILE --usage-of SCRIPT   (what a clearing script switches and moves)";

// The play globals as the process started, before any game was set up.
static std::unique_ptr<PlaySnapshot> g_freshProcess(new PlaySnapshot());

struct Arguments {
    std::string map;
    std::string out;
    std::string usageOf;
    SolveOptions options;
};

static int Fail(const std::string& message)
{
    fprintf(stderr, "solve: %s\n", message.c_str());
    return 2;
}

static bool PositiveNumber(const char* text, double& value)
{
    char* end = nullptr;
    value = strtod(text, &end);
    return end != text && *end == '\0' && value > 0;
}

// Options that take a positive number.
static bool ParseNumber(const std::string& name, double value, SolveOptions& options)
{
    if (name == "--seconds") {
        options.seconds = value;
    } else if (name == "--move-frames" && value <= 600) {
        options.moveFrames = (int)value;
    } else if (name == "--max-frames" && value <= 1e8) {
        options.maxFrames = (int)value;
    } else if (name == "--memory" && value <= 1e7) {
        options.memoryBytes = (size_t)(value * 1024 * 1024);
    } else {
        return false;
    }
    return true;
}

// The option at argv[i] with its value, if it takes one; moves i past them.
static bool ParseOption(int argc, char** argv, int& i, Arguments& args)
{
    std::string name = argv[i];
    if (name == "--breadth") {
        args.options.order = ORDER_BREADTH;
        return true;
    }
    if (i + 1 >= argc) {
        return false;
    }
    const char* value = argv[++i];
    double number = 0;
    std::string* text = name == "--map" ? &args.map : name == "--out" ? &args.out : nullptr;
    text = name == "--usage-of" ? &args.usageOf : text;
    if (text != nullptr) {
        *text = value;
        return true;
    }
    return PositiveNumber(value, number) && ParseNumber(name, number, args.options);
}

static bool ParseArguments(int argc, char** argv, Arguments& args, std::string& error)
{
    for (int i = 1; i < argc; i++) {
        int at = i;
        if (!ParseOption(argc, argv, i, args)) {
            error = std::string("bad argument ") + argv[at] + (i > at ? std::string(" ") + argv[i] : "");
            return false;
        }
    }
    if (args.map.empty()) {
        error = "--map is needed";
        return false;
    }
    return true;
}

static bool ReadWhole(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    if (!file || !(bytes << file.rdbuf())) {
        return false;
    }
    text = bytes.str();
    return true;
}

static void PrintFigures(const SolveReport& report)
{
    double fps = report.seconds > 0 ? report.framesPlayed / report.seconds : 0;
    fprintf(stderr, "solve: %lld states, %lld frames played in %.1f s (%.0f frames/s, %.0f states/s)\n",
            report.states, report.framesPlayed, report.seconds, fps,
            report.seconds > 0 ? report.states / report.seconds : 0);
}

// Plays the steps again in a game of its own, from the globals a new process
// starts with, as sim --until-clear would.
static bool Watch(const std::string& mapText, const std::vector<ScriptStep>& steps, ClearUsage& usage)
{
    RestorePlaySnapshot(g_freshProcess.get());
    std::string error;
    return WatchClear(mapText, steps, usage, error) && usage.cleared;
}

static int Conclude(const Arguments& args, const std::string& mapText, const SolveReport& report)
{
    switch (report.outcome) {
    case SOLVE_CLEARED:
        break;
    case SOLVE_NO_CLEAR:
        if (!report.reason.empty()) {
            printf("{\"impossible\":\"%s\"}\n", report.reason.c_str());
        } else if (report.exhaustedWithinBound) {
            printf("{\"noClearWithinFrames\":%d}\n", args.options.maxFrames);
        } else {
            printf("{\"noClear\":%lld}\n", report.states);
        }
        return 1;
    case SOLVE_OUT_OF_MEMORY:
        fprintf(stderr, "solve: the memory limit of %zu MB was reached before a clear was found\n",
                args.options.memoryBytes >> 20);
        return 3;
    case SOLVE_OUT_OF_TIME:
        fprintf(stderr, "solve: no clear found within %g s\n", args.options.seconds);
        return 3;
    }
    std::string script = ScriptText(args.map, report);
    if (!args.out.empty() && !(std::ofstream(args.out, std::ios::binary) << script)) {
        return Fail("cannot write " + args.out);
    }
    ClearUsage usage;
    if (!Watch(mapText, report.steps, usage) || usage.clearTime != report.clearTime) {
        fprintf(stderr, "solve: the script found does not replay to its clear time %u\n", report.clearTime);
        return 2;
    }
    printf("{\"clear\":%u,\"frames\":%d,%s}\n", report.clearTime, report.clearFrames, UsageJson(usage).c_str());
    return 0;
}

static int ReportUsage(const Arguments& args, const std::string& mapText)
{
    std::string script, error;
    std::vector<ScriptStep> steps;
    if (!ReadWhole(args.usageOf, script) || !ParseScript(script, steps, error)) {
        return Fail("cannot read script " + args.usageOf + (error.empty() ? "" : ": " + error));
    }
    ClearUsage usage;
    if (!Watch(mapText, steps, usage)) {
        fprintf(stderr, "solve: %s does not clear the map\n", args.usageOf.c_str());
        return 1;
    }
    printf("{\"clear\":%u,%s}\n", usage.clearTime, UsageJson(usage).c_str());
    return 0;
}

int main(int argc, char** argv)
{
    Arguments args;
    std::string error;
    if (!ParseArguments(argc, argv, args, error)) {
        return Fail(error + "; " + USAGE);
    }
    SavePlaySnapshot(g_freshProcess.get());
    SimOptions game;
    if (!ReadWhole(args.map, game.mapText)) {
        return Fail("cannot read map " + args.map);
    }
    if (!args.usageOf.empty()) {
        return ReportUsage(args, game.mapText);
    }
    game.noPixels = true;
    SolveReport report;
    bool started = RunWithGame(game, [&](HWND window) {
        g_bgmOn = 0;
        g_seOn = 0;
        SolveStage(window, args.options, report);
    }, error);
    if (!started) {
        return Fail(error);
    }
    PrintFigures(report);
    return Conclude(args, game.mapText, report);
}
