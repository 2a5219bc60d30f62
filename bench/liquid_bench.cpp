// Liquid flow speed: one FlowLiquid step on a busy board (nine taps pouring
// into three basins, two basins joined by a full pipe network, a third with
// its own full pipe, a draining pool along the bottom) and on an empty board.
#include <benchmark/benchmark.h>

#include <string>

#include "play/liquid.h"
#include "stage/board.h"
#include "stage/map_reader.h"
#include "stage/tiles.h"

namespace {

std::string Row(const char* cells[BOARD_COLUMNS])
{
    std::string row;
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        row += cells[x];
    }
    return row + "\n";
}

// Each row starts as walls; `fill` gives the cells that differ.
template <typename Fill>
std::string MakeRow(Fill fill)
{
    const char* cells[BOARD_COLUMNS];
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        cells[x] = fill(x);
    }
    return Row(cells);
}

std::string BusyMap()
{
    std::string map = "00\n";
    map += MakeRow([](int) { return "10"; });
    map += MakeRow([](int x) { return x % 8 != 0 && x % 2 == 0 ? "K1" : "10"; });
    for (int y = 2; y <= 8; y++) {
        map += MakeRow([](int x) { return x % 8 == 0 ? "10" : "0C"; });
    }
    for (int y = 9; y <= 13; y++) {
        map += MakeRow([](int x) { return x == 4 || x == 12 || x == 20 ? ";4" : "10"; });
    }
    map += MakeRow([](int x) { return x >= 4 && x <= 12 ? "45" : x == 20 ? ";4" : "10"; });
    map += MakeRow([](int x) { return x == 20 ? ";4" : "10"; });
    map += MakeRow([](int) { return "10"; });
    map += MakeRow([](int) { return "08"; });
    map += MakeRow([](int) { return "10"; });
    return map;
}

void LoadMap(const std::string& map)
{
    MapBytes bytes = {reinterpret_cast<const unsigned char*>(map.data()), map.size(), 0};
    MapText text;
    OpenMapText(&text, NextMemoryByte, &bytes);
    ReadStageMap(&text, 0, MapReport{nullptr, nullptr});
}

void PourTaps()
{
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            if (g_board[x][y].tile == TILE_TAP) {
                g_board[x][y].level++;
            }
        }
    }
}

// The board is reloaded every 500 steps so that the basins never settle.
void RunSteps(benchmark::State& state, const std::string& map, bool pour)
{
    LoadMap(map);
    int steps = 0;
    for (auto _ : state) {
        if (pour) {
            PourTaps();
        }
        FlowLiquid();
        if (++steps == 500) {
            state.PauseTiming();
            LoadMap(map);
            steps = 0;
            state.ResumeTiming();
        }
    }
}

void BM_FlowLiquidBusyBoard(benchmark::State& state)
{
    RunSteps(state, BusyMap(), true);
}

void BM_FlowLiquidEmptyBoard(benchmark::State& state)
{
    RunSteps(state, "00\n", false);
}

}  // namespace

BENCHMARK(BM_FlowLiquidBusyBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlowLiquidEmptyBoard)->Unit(benchmark::kMicrosecond);
