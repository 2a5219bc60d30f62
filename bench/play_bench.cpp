// Play speed on a busy board (100 items stacked under pouring taps and
// liquid, a belt, switches): the three rules of a frame (frog, liquid, items)
// and a whole play-scene frame with its drawing, on the headless platform.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/frame.h"
#include "audio/sound.h"
#include "play/frog.h"
#include "play/item_rules.h"
#include "play/liquid.h"
#include "seam.h"
#include "stage/board.h"
#include "stage/stage_start.h"
#include "video/display.h"

namespace {

const char* const ITEM_CODES[] = {"X0", "Y0", "Z0", "[0", "\\0"};

template <typename Fill>
std::string MakeRow(Fill fill)
{
    std::string row;
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        row += x == 0 || x == BOARD_COLUMNS - 1 ? "10" : fill(x);
    }
    return row + "\n";
}

// Taps along the top beside a target nothing reaches (so the stage never
// clears), liquid in the middle, five rows of items below it (the
// last row partly), a belt under the frog's start and a floor.
std::string BusyMap()
{
    std::string map = "2@\n";
    map += MakeRow([](int) { return "10"; });
    map += MakeRow([](int x) { return x == 1 ? "R0" : x % 2 == 0 ? "K1" : "10"; });
    for (int y = 2; y <= 8; y++) {
        map += MakeRow([](int) { return "0C"; });
    }
    int items = 0;
    for (int y = 9; y <= 13; y++) {
        map += MakeRow([&items](int x) { return items < 100 ? ITEM_CODES[(items++ + x) % 5] : "00"; });
    }
    map += MakeRow([](int) { return "00"; });
    map += MakeRow([](int) { return "00"; });
    map += MakeRow([](int x) { return x == 1 ? "G1" : x < 6 ? "H0" : x == 6 ? "J0" : "00"; });
    map += MakeRow([](int) { return "10"; });
    return map;
}

class PlayBoard {
public:
    PlayBoard()
    {
        char pattern[] = "/tmp/frogpond-bench-XXXXXX";
        folder_ = mkdtemp(pattern);
        std::filesystem::create_directories(folder_ + "/map");
        std::ofstream(folder_ + "/map/map1.map") << BusyMap();
        if (chdir(folder_.c_str()) != 0) {
            abort();
        }
        seam::Reset();
        window_ = InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
        InitDirectDraw(window_);
        InitializeSound(window_);
        g_useJoystick = 0;
        g_stageNo = 1;
    }
    ~PlayBoard()
    {
        ReleaseAllObjects();
        ReleaseSound();
        std::filesystem::remove_all(folder_);
    }
    // Starts the stage again every 600 frames so the board never settles;
    // the frog walks right and left in turns.
    void NextFrame()
    {
        if (frame_ % 600 == 0) {
            g_scene = SCENE_PLAY_INIT;
            StartStage();
        }
        seam::SetKeyDown(VK_RIGHT, frame_ % 120 < 60);
        seam::SetKeyDown(VK_LEFT, frame_ % 120 >= 60);
        seam::SetTicks(60000 + frame_ * 1000 / 60);
        frame_++;
    }
    HWND Window() const { return window_; }

private:
    std::string folder_;
    HWND window_ = NULL;
    long long frame_ = 0;
};

void BM_PlayRules(benchmark::State& state)
{
    PlayBoard board;
    for (auto _ : state) {
        board.NextFrame();
        MoveFrog();
        FlowLiquid();
        UpdateItems();
    }
}
BENCHMARK(BM_PlayRules);

void BM_PlayFrame(benchmark::State& state)
{
    PlayBoard board;
    auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        board.NextFrame();
        if (g_scene != SCENE_PLAY) {
            g_scene = SCENE_PLAY;
        }
        UpdateFrame(board.Window());
    }
    // The share of the 16.7 ms that one frame at 60 Hz may take.
    std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    state.counters["budget_share"] = benchmark::Counter(spent.count() * 60.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PlayFrame);

}  // namespace
