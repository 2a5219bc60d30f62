// The solver's costs on one core: a frame of search (the game's frame with
// no pixel work, sound off, from a restored snapshot), and the per-state
// work of saving, diffing and hashing the play state, on stage 32.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "app/app_state.h"
#include "sim_run.h"
#include "solve_moves.h"
#include "solve_state.h"

namespace {

std::string StageMap(void)
{
    std::ifstream file(std::string(SOURCE_DIR) + "/map/map32.map", std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Runs `body` in a game of stage 32 a second into play.
template <typename Body>
void InStage(benchmark::State& state, Body body)
{
    SimOptions options;
    options.mapText = StageMap();
    options.noPixels = true;
    std::string error;
    bool started = RunWithGame(options, [&](HWND window) {
        g_bgmOn = 0;
        g_seOn = 0;
        int frame = PlayFadeIn(window, 600);
        PlayMove(window, SolverMoves()[2], frame, 60);
        body(window, frame + 60);
    }, error);
    if (!started) {
        state.SkipWithError(error.c_str());
    }
}

// Frames of search: restore, then a move of eight frames, as the search does.
void BM_SearchFrames(benchmark::State& state)
{
    InStage(state, [&](HWND window, int frame) {
        std::unique_ptr<PlaySnapshot> start(new PlaySnapshot());
        SavePlaySnapshot(start.get());
        int move = 0;
        for (auto _ : state) {
            RestorePlaySnapshot(start.get());
            PlayMove(window, SolverMoves()[move], frame, 8);
            move = (move + 1) % (int)SolverMoves().size();
        }
        state.SetItemsProcessed(state.iterations() * 8);
    });
}
BENCHMARK(BM_SearchFrames)->Unit(benchmark::kMicrosecond);

// What each new state costs besides its frames: save, hash and diff.
void BM_KeepState(benchmark::State& state)
{
    InStage(state, [&](HWND, int frame) {
        std::unique_ptr<PlaySnapshot[]> snaps(new PlaySnapshot[2]());
        SavePlaySnapshot(&snaps[0]);
        std::vector<uint32_t> pairs;
        for (auto _ : state) {
            SavePlaySnapshot(&snaps[1]);
            benchmark::DoNotOptimize(PlayHash(snaps[1], frame));
            DiffAgainst(snaps[0], snaps[1], pairs);
        }
    });
}
BENCHMARK(BM_KeepState)->Unit(benchmark::kMicrosecond);

}  // namespace
