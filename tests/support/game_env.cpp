// Test helpers shared by the game's tests.
#include "support/game_env.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/app_state.h"
#include "app/main_window.h"
#include "audio/sound.h"
#include "input/input.h"
#include "input/joystick.h"
#include "screens/score_file.h"
#include "seam.h"
#include "video/display.h"

// The game keeps its DirectInput objects for the whole run; tests start afresh.
static void ReleaseJoystick()
{
    if (g_joystick != NULL) {
        g_joystick->Release();
        g_joystick = NULL;
    }
    if (g_dinput != NULL) {
        g_dinput->Release();
        g_dinput = NULL;
    }
}

void ResetGame()
{
    ReleaseAllObjects();
    ReleaseSound();
    ReleaseJoystick();
    seam::Reset();
    g_scene = SCENE_PROLOG_INIT;
    g_now = 0;
    g_active = 0;
    g_quitRequested = 0;
    g_stageCount = 0;
    g_openStageCount = 0;
    g_stageNo = 1;
    g_bgmOn = 1;
    g_seOn = 1;
    g_useJoystick = 0;
    g_scoresUnsaved = 0;
    memset(g_key, 0, sizeof g_key);
    memset(g_keyLatch, 0, sizeof g_keyLatch);
}

HWND StartDisplay()
{
    ResetGame();
    HWND window = InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
    if (window != NULL && InitDirectDraw(window) != DD_OK) {
        return NULL;
    }
    return window;
}

bool HasDebugLine(const std::string& line)
{
    const auto& lines = seam::DebugLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool SoundPlaying(int id)
{
    for (int i = 0; i < SOUND_COUNT; i++) {
        if (SOUND_TABLE[i].id != id || g_sounds[i] == NULL) {
            continue;
        }
        for (int v = 0; v < g_sounds[i]->voiceCount; v++) {
            DWORD status = 0;
            g_sounds[i]->voices[v]->GetStatus(&status);
            if (status & DSBSTATUS_PLAYING) {
                return true;
            }
        }
    }
    return false;
}

ScratchFolder::ScratchFolder()
{
    char here[4096];
    previous_ = getcwd(here, sizeof here) != nullptr ? here : ".";
    char pattern[] = "/tmp/frogpond-test-XXXXXX";
    path_ = mkdtemp(pattern);
    if (chdir(path_.c_str()) != 0) {
        abort();
    }
}

ScratchFolder::~ScratchFolder()
{
    if (chdir(previous_.c_str()) != 0) {
        abort();
    }
    std::filesystem::remove_all(path_);
}

void ScratchFolder::WriteFile(const std::string& path, const std::string& bytes) const
{
    std::filesystem::path full = std::filesystem::path(path_) / path;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << bytes;
}
