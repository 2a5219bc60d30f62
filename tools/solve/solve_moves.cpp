// Moves are played through the simulator's frame, so every rule, the tap's
// timer and the plates' spring-back run just as in the game.
#include "solve_moves.h"

#include "app/app_state.h"
#include "script_keys.h"
#include "sim_run.h"
#include "stage/play_state.h"

static Move MakeMove(std::vector<int> keys)
{
    return Move{keys, ScriptKeys(keys)};
}

const std::vector<Move>& SolverMoves(void)
{
    static const std::vector<Move> moves = {
        MakeMove({}),
        MakeMove({VK_LEFT}),
        MakeMove({VK_RIGHT}),
        MakeMove({VK_UP}),
        MakeMove({VK_DOWN}),
        MakeMove({'Z'}),
        MakeMove({'X'}),
        MakeMove({VK_LEFT, 'X'}),
        MakeMove({VK_RIGHT, 'X'}),
    };
    return moves;
}

MoveResult PlayMove(HWND window, const Move& move, int frame, int frames)
{
    MoveResult result;
    HoldScriptKeys(move.keys);
    for (int i = 0; i < frames; i++) {
        PlayScriptFrame(window, frame + i);
        result.frames = i + 1;
        if (g_scene == SCENE_PLAY_CLEAR) {
            result.end = MOVE_CLEARED;
            result.clearTime = g_playTime;
            return result;
        }
        if (g_scene != SCENE_PLAY) {
            result.end = MOVE_LEFT_PLAY;
            return result;
        }
    }
    return result;
}

int PlayFadeIn(HWND window, int limit)
{
    HoldScriptKeys({});
    for (int frame = 0; frame < limit; frame++) {
        PlayScriptFrame(window, frame);
        if (g_scene == SCENE_PLAY && !g_fadeInPending) {
            return frame + 1;
        }
    }
    return -1;
}
