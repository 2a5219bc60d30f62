// Playing the edited stage: it is written as stage 1 of a scratch folder in
// the data folder, which becomes the current folder while the game plays it.
#include "editor_play.h"

#include <stdio.h>
#include <unistd.h>

#include <filesystem>

#include "app/app_state.h"
#include "app/frame.h"
#include "editor.h"
#include "editor_files.h"
#include "key_recorder.h"
#include "stage/play_state.h"
#include "video/draw.h"

namespace fs = std::filesystem;

static bool g_playing;
static bool g_recording;
static std::string g_editorFolder;

static std::string PlayFolder(void)
{
    return DataFolder() + "/playtest";
}

bool Playing(void)
{
    return g_playing;
}

std::string ReplayPathFor(const std::string& mapPath)
{
    return fs::path(mapPath).replace_extension(".txt").string();
}

// The record starts with the stage's first frame, as a replay does; the marks
// of the fade-in's black frames are no part of a replay.
std::string KeysOfRecord(const std::string& record)
{
    const std::string mark = "# black\n";
    std::string keys = record;
    for (size_t at = keys.find(mark); at != std::string::npos; at = keys.find(mark)) {
        keys.erase(at, mark.size());
    }
    return keys;
}

void StartPlay(void)
{
    std::error_code error;
    fs::create_directories(PlayFolder() + "/map", error);
    std::string record = PlayFolder() + "/keys.txt";
    if (!WriteFileBytes(PlayFolder() + "/map/map1.map", MapDocumentBytes(g_editor.document)) ||
        !plat::OpenKeyRecord(record.c_str())) {
        SetStatus("cannot play: " + PlayFolder() + " is not writable");
        return;
    }
    g_editorFolder = fs::current_path(error).string();
    fs::current_path(PlayFolder(), error);
    // The stage opens from black, as after the stage select's fade-out, so
    // that its fade-in takes the frames a replay counts on.
    SetPaletteBlack();
    g_stageNo = 1;
    g_scene = SCENE_PLAY_INIT;
    g_playing = true;
    g_recording = true;
    SetStatus("playing: Esc returns to the editor");
}

static void LeavePlay(void)
{
    plat::CloseKeyRecord();
    g_recording = false;
    std::error_code error;
    fs::current_path(g_editorFolder, error);
    g_playing = false;
}

void StopPlay(void)
{
    LeavePlay();
    SetStatus("back from play");
}

std::string ClearTimeBySimulator(const std::string& map, const std::string& script)
{
    std::string command = "'" + ToolBeside("sim") + "' --map '" + map + "' --input '" + script +
                          "' --until-clear --every 1000000000 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == NULL) {
        return "";
    }
    char line[256];
    std::string clear;
    while (fgets(line, sizeof line, pipe) != NULL) {
        unsigned long ms = 0;
        if (sscanf(line, "{\"clear\":%lu}", &ms) == 1) {
            clear = std::to_string(ms);
        }
    }
    pclose(pipe);
    return clear;
}

static void KeepClearingRun(void)
{
    std::string record;
    plat::CloseKeyRecord();
    g_recording = false;
    ReadFileBytes(PlayFolder() + "/keys.txt", &record);
    std::string keys = KeysOfRecord(record);
    std::string script = PlayFolder() + "/run.txt";
    WriteFileBytes(script, keys);
    std::string clear = ClearTimeBySimulator(PlayFolder() + "/map/map1.map", script);
    // Without the simulator the live clock's time is kept.
    if (clear.empty()) {
        clear = std::to_string(g_playTime);
    }
    std::string name = fs::path(g_editor.path).filename().string();
    std::string replay = "# replay of " + name + "\n# clear time " + clear + "\n" + keys;
    std::string path = ReplayPathFor(g_editor.path);
    bool saved = HasUnsavedChanges() ? false : WriteFileBytes(path, replay);
    SetStatus(saved ? "cleared in " + clear + " ms, replay " + fs::path(path).filename().string()
                    : "cleared in " + clear + " ms (save the map to keep its replay)");
}

void StepPlay(HWND window)
{
    UpdateFrame(window);
    if (g_scene == SCENE_PLAY_CLEAR && g_recording) {
        KeepClearingRun();
    } else if (g_scene != SCENE_PLAY && g_scene != SCENE_PLAY_INIT && g_scene != SCENE_PLAY_CLEAR) {
        std::string status = g_editor.status;
        LeavePlay();
        SetStatus(status);
    }
}
