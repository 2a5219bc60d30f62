// The simulator's run: a scratch folder holding the map as stage 1, the game
// set up as WinMain does, then one UpdateFrame per script frame at 60 frames
// a second, starting a minute after boot as if the menus had gone before.
#include "sim_run.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/frame.h"
#include "audio/sound.h"
#include "input/input.h"
#include "seam.h"
#include "sim_state.h"
#include "stage/play_state.h"
#include "video/display.h"
#include "video/draw.h"

static const DWORD FIRST_TICK = 60000;

namespace {

// A folder of its own for the run, left again and removed at the end.
class RunFolder {
public:
    explicit RunFolder(const std::string& mapText)
    {
        char here[4096];
        previous_ = getcwd(here, sizeof here) != nullptr ? here : ".";
        char pattern[] = "/tmp/frogpond-sim-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            return;
        }
        path_ = pattern;
        std::filesystem::create_directories(path_ + "/map");
        std::ofstream(path_ + "/map/map1.map", std::ios::binary) << mapText;
        entered_ = chdir(path_.c_str()) == 0;
    }
    ~RunFolder()
    {
        if (entered_ && chdir(previous_.c_str()) != 0) {
            return;
        }
        if (!path_.empty()) {
            std::filesystem::remove_all(path_);
        }
    }
    bool Entered() const { return entered_; }

private:
    std::string previous_;
    std::string path_;
    bool entered_ = false;
};

bool StartGame(HWND& window, const SimOptions& options, std::string& error)
{
    seam::Reset();
    seam::SetPixelWork(!options.noPixels);
    window = InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
    if (window == NULL || InitDirectDraw(window) != DD_OK) {
        error = "the display could not be set up";
        return false;
    }
    if (!InitializeSound(window)) {
        error = "the sound could not be set up";
        return false;
    }
    g_useJoystick = 0;
    g_stageNo = 1;
    g_bgmOn = 1;
    g_seOn = 1;
    if (options.brightStart) {
        g_palette->SetEntries(0, 0, 256, g_paletteTarget);
    } else {
        SetPaletteBlack();
    }
    g_scene = SCENE_PLAY_INIT;
    return true;
}

void SavePicture(const std::string& folder, int frame)
{
    char name[32];
    snprintf(name, sizeof name, "/frame%06d.png", frame);
    seam::SaveFramePng(seam::LastFrame(), folder + name);
}

}  // namespace

void HoldScriptKeys(const std::vector<int>& held)
{
    for (const ScriptLetter& entry : SCRIPT_LETTERS) {
        bool down = false;
        for (int key : held) {
            down = down || key == entry.key;
        }
        seam::SetKeyDown(entry.key, down);
    }
}

void PlayScriptFrame(HWND window, int frame)
{
    seam::SetTicks(FIRST_TICK + (DWORD)((long long)frame * 1000 / 60));
    UpdateFrame(window);
}

// One UpdateFrame per script frame, until the script ends, the stage is
// cleared (with --until-clear) or the observer says stop.
static void PlayFrames(const SimOptions& options, HWND window, FILE* out, SimResult& result)
{
    int frame = 0;
    for (const ScriptStep& step : options.steps) {
        HoldScriptKeys(step.keys);
        for (int i = 0; i < step.frames; i++, frame++) {
            PlayScriptFrame(window, frame);
            result.frames = frame + 1;
            if (out != NULL && frame % options.every == 0) {
                fprintf(out, "%s\n", StateJson(frame).c_str());
                if (!options.pngFolder.empty()) {
                    SavePicture(options.pngFolder, frame);
                }
            }
            if (options.afterFrame && !options.afterFrame(frame)) {
                return;
            }
            if (options.untilClear && g_scene == SCENE_PLAY_CLEAR) {
                result.cleared = true;
                result.clearTime = g_playTime;
                return;
            }
        }
    }
}

bool RunWithGame(const SimOptions& options, const std::function<void(HWND)>& body, std::string& error)
{
    RunFolder folder(options.mapText);
    HWND window = NULL;
    if (!folder.Entered()) {
        error = "could not make a scratch folder";
        return false;
    }
    bool started = StartGame(window, options, error);
    if (started) {
        body(window);
    }
    ReleaseAllObjects();
    ReleaseSound();
    return started;
}

bool RunSimulation(const SimOptions& options, FILE* out, SimResult& result, std::string& error)
{
    return RunWithGame(options, [&](HWND window) { PlayFrames(options, window, out, result); }, error);
}
