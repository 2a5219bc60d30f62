// Runs the solve program found beside the editor on the map as saved; its
// script is checked by the simulator before it becomes the map's replay, so
// a replay beside a map always clears it.
#include "editor_solve.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "editor.h"
#include "editor_files.h"
#include "editor_play.h"

namespace fs = std::filesystem;

static const char SOLVE_SECONDS[] = "120";

static pid_t g_solver = -1;
static std::string g_solvedMap;
static std::string g_scriptPath;

bool Solving(void)
{
    return g_solver > 0;
}

void StartSolve(void)
{
    if (Solving()) {
        SetStatus("the solver is still searching");
        return;
    }
    if (HasUnsavedChanges()) {
        SetStatus("save the map first (Ctrl+S): the solver reads the file");
        return;
    }
    g_solvedMap = g_editor.path;
    g_scriptPath = DataFolder() + "/solved.txt";
    std::string solve = ToolBeside("solve");
    pid_t child = fork();
    if (child == 0) {
        execl(solve.c_str(), "solve", "--map", g_solvedMap.c_str(), "--seconds", SOLVE_SECONDS, "--out",
              g_scriptPath.c_str(), (char*)NULL);
        _exit(2);
    }
    if (child < 0) {
        SetStatus("cannot start the solver");
        return;
    }
    g_solver = child;
    SetStatus(std::string("solving, up to ") + SOLVE_SECONDS + " s ...");
}

static void KeepSolution(void)
{
    std::string script;
    std::string clear = ClearTimeBySimulator(g_solvedMap, g_scriptPath);
    if (clear.empty() || !ReadFileBytes(g_scriptPath, &script)) {
        SetStatus("the solver's clear did not replay: no replay kept");
        return;
    }
    // The solver's own first line names the map by the path it was given.
    size_t firstLineEnd = script.find('\n');
    if (script.compare(0, 2, "# ") == 0 && firstLineEnd != std::string::npos) {
        script.erase(0, firstLineEnd + 1);
    }
    std::string name = fs::path(g_solvedMap).filename().string();
    script = "# replay of " + name + ", found by the solver\n" + script;
    std::string path = ReplayPathFor(g_solvedMap);
    bool kept = WriteFileBytes(path, script);
    SetStatus(kept ? "solved: cleared in " + clear + " ms, replay " + fs::path(path).filename().string()
                   : "solved in " + clear + " ms, but " + path + " cannot be written");
}

void PollSolve(void)
{
    int status = 0;
    if (!Solving() || waitpid(g_solver, &status, WNOHANG) != g_solver) {
        return;
    }
    g_solver = -1;
    int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code == 0) {
        KeepSolution();
    } else if (code == 1) {
        SetStatus("the solver shows there is no clear");
    } else if (code == 3) {
        SetStatus(std::string("no clear found in ") + SOLVE_SECONDS + " s");
    } else {
        SetStatus("the solver could not read the map");
    }
}
