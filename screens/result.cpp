// The result screen: ranks the time on entry, waits for Z, then saves it and
// opens the stage select on the next stage.
#include "screens/result.h"

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "screens/score_file.h"
#include "screens/time_digits.h"
#include "stage/play_state.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

int g_resultRank;
int g_resultFadeIn;
int g_resultLeaving;

static const int RESULT_FADE_STEP = 20;
static const int RESULT_ROW_STEP = 50;

void InitResult(void)
{
    g_resultFadeIn = 1;
    g_resultLeaving = 0;
    g_resultRank = RankPlayTime();
    if (g_seOn) {
        StopSound(SOUND_CLEAR);
    }
    if (g_bgmOn) {
        PlaySound(SOUND_TITLE);
    }
    g_scene = SCENE_RESULT;
}

// RANK IN points at the row the new time will take.
static int DrawRanking(void)
{
    RECT picture = AtlasRect(g_resultRank != 0 ? ATLAS_RANK_IN : ATLAS_OUT_OF_RANKING);
    LONG y = g_resultRank != 0 ? 190 + RESULT_ROW_STEP * g_resultRank : 240;
    return BlitImage(g_back, 50, y, g_stringsImg, &picture, 0) == DD_OK;
}

static int DrawResult(void)
{
    RECT background = AtlasRect(ATLAS_RESULT_BACKGROUND);
    if (BlitImage(g_back, 0, 0, g_scoreImg, &background, 0) != DD_OK || !DrawTime(g_playTime, 80, 160, &TIME_LARGE)) {
        return 0;
    }
    const DWORD* slots = StageBestTimes(g_stageNo);
    for (int k = 0; k < BEST_TIME_SLOTS; k++) {
        if (!DrawTime(slots[k], 260, 300 + RESULT_ROW_STEP * k, &TIME_SMALL)) {
            return 0;
        }
    }
    return DrawRanking();
}

// Under the time just played, while the best times of this run are in
// memory only.
static void DrawUnsavedWarning(void)
{
    if (g_scoresUnsaved) {
        DrawTextGdi(80, 212, "BEST TIME NOT SAVED", RGB(255, 176, 164), 20, TEXT_FACE_GOTHIC, 0);
    }
}

// After the last stage the select stays on it.
static void LeaveResult(void)
{
    SaveScores();
    g_scene = SCENE_SELECT_INIT;
    g_stageNo++;
    if (g_stageNo > g_stageCount) {
        g_stageNo = g_stageCount;
    }
    if (g_stageNo < 1) {
        g_stageNo = 1;
    }
}

// Z acts while held with its latch clear, and leaves the latch clear: a Z
// held since the stage clear leaves as soon as the fade-in is over.
static void ReadResultKeys(void)
{
    if (!g_key['Z']) {
        g_keyLatch['Z'] = 0;
    } else if (g_keyLatch['Z'] == 0) {
        g_resultLeaving = 1;
    }
}

void RunResult(void)
{
    if (!DrawResult()) {
        return;
    }
    DrawUnsavedWarning();
    if (g_resultFadeIn) {
        if (!FadeIn(RESULT_FADE_STEP)) {
            return;
        }
        g_resultFadeIn = 0;
    }
    OutputDebugStringA("FadeInEnd \n");
    if (!ReadInput()) {
        return;
    }
    ReadResultKeys();
    if (g_resultLeaving && FadeOut(RESULT_FADE_STEP)) {
        LeaveResult();
    }
}
