// The stage start: every play-scene global back to its stage value, the board
// of stage g_stageNo read from its map, one of the two stage musics started.
#include "stage/stage_start.h"

#include "app/app_state.h"
#include "audio/sound.h"
#include "stage/game_rand.h"
#include "stage/item_box.h"
#include "stage/map_file.h"
#include "stage/play_state.h"

static void ResetPlayState(void)
{
    g_frogAnimFrames = 1;
    g_frogAnimFrame = 0;
    g_frogAnimInterval = 100;
    g_frogPose = 0;
    g_frogOnItem = 0;
    g_frogVx = 0;
    g_frogVy = 0.0;
    g_frogRect = RECT{0, 0, 0, 0};
    g_fadeInPending = 1;
    g_leaving = 0;
    g_clockRunning = 0;
    g_playTime = 0;
    g_paused = 0;
    g_pauseCursor = 3;
    g_clearSoundPending = 1;
    for (int i = 0; i < CLEAR_LETTERS; i++) {
        g_clearLetterY[i] = -96 - 24 * i;
        g_clearLetterVy[i] = 10.0;
    }
    g_clearBounces = 0;
}

void StartStage(void)
{
    ResetPlayState();
    LoadStageMap();
    FitItemBoxes();
    g_frogRect = RECT{g_frogX + 6, g_frogY + 7, g_frogX + 18, g_frogY + 35};
    g_stageBgm = SOUND_GAME1 + GameRand() % 2;
    if (g_bgmOn) {
        PlaySound(g_stageBgm);
    }
    g_scene = SCENE_PLAY;
}
