// The frame tick: stamp the time, run the current scene, present the frame.
#include "app/frame.h"
#include "app/app_state.h"

#include "play/play_screen.h"
#include "screens/prolog.h"
#include "screens/result.h"
#include "screens/stage_select.h"
#include "screens/title.h"
#include "stage/stage_start.h"
#include "video/display.h"

BYTE g_scene = SCENE_PROLOG_INIT;
DWORD g_now;

// An init id runs its init function and then, in the same frame, the run
// function of its row. An id without a row runs nothing.
struct SceneRow {
    BYTE id;
    void (*init)(void);
    void (*run)(void);
};

static const SceneRow SCENES[] = {
    {SCENE_PROLOG_INIT, InitProlog, RunProlog},
    {SCENE_PROLOG, NULL, RunProlog},
    {SCENE_TITLE_INIT, InitTitle, RunTitle},
    {SCENE_TITLE, NULL, RunTitle},
    {SCENE_OPTION_INIT, InitOption, RunOption},
    {SCENE_OPTION, NULL, RunOption},
    {SCENE_SELECT_INIT, InitStageSelect, RunStageSelect},
    {SCENE_SELECT, NULL, RunStageSelect},
    {SCENE_PLAY_INIT, StartStage, RunPlay},
    {SCENE_PLAY, NULL, RunPlay},
    {SCENE_PLAY_CLEAR, NULL, RunStageClear},
    {SCENE_RESULT_INIT, InitResult, RunResult},
    {SCENE_RESULT, NULL, RunResult},
};

static void RunScene(BYTE id)
{
    for (const SceneRow& row : SCENES) {
        if (row.id != id) {
            continue;
        }
        if (row.init != NULL) {
            row.init();
        }
        if (row.run != NULL) {
            row.run();
        }
        return;
    }
}

void UpdateFrame(HWND window)
{
    (void)window;
    g_now = GetTickCount();
    RunScene(g_scene);
    FlipScreen();
}
