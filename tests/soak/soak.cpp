// Soak test: random input for a number of frames on each given map, checking
// after every frame that the frog and every item are still on the board.
// Built with AddressSanitizer and UndefinedBehaviorSanitizer by scripts/soak.sh.
// usage: soak FRAMES MAP...
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/app_state.h"
#include "sim_run.h"
#include "stage/board.h"
#include "stage/items.h"
#include "stage/play_state.h"

namespace {

const int BOARD_WIDTH = BOARD_COLUMNS * CELL_SIZE;
const int BOARD_HEIGHT = BOARD_ROWS * CELL_SIZE;

// A small generator of its own, so every run presses the same keys.
unsigned NextRandom(unsigned& seed)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
}

// Steps of 1 to 40 frames; each arrow, Z and X held about a third of the
// time, the pause key seldom, so play is not spent mostly in the pause menu.
std::vector<ScriptStep> RandomSteps(int frames, unsigned seed)
{
    static const char LETTERS[] = "LRUDZX";
    std::vector<ScriptStep> steps;
    for (int total = 0; total < frames;) {
        ScriptStep step;
        for (const char* letter = LETTERS; *letter != '\0'; letter++) {
            if (NextRandom(seed) % 3 == 0) {
                step.keys.push_back(ScriptKey(*letter));
            }
        }
        if (NextRandom(seed) % 50 == 0) {
            step.keys.push_back(ScriptKey('C'));
        }
        step.frames = std::min(frames - total, (int)(1 + NextRandom(seed) % 40));
        total += step.frames;
        steps.push_back(step);
    }
    return steps;
}

bool OnBoard(int x, int y, int height)
{
    return x >= 0 && x <= BOARD_WIDTH - CELL_SIZE && y > -height && y <= BOARD_HEIGHT - height;
}

// Reports the first frame with anything off the board; sends the game back
// to the stage whenever the pause menu has left it.
bool CheckFrame(const std::string& map, int frame, int& problems)
{
    if (g_scene < SCENE_PLAY_INIT || g_scene > SCENE_PLAY_CLEAR) {
        g_scene = SCENE_PLAY_INIT;
        return true;
    }
    if (!OnBoard(g_frogX, g_frogY, 36)) {
        fprintf(stderr, "%s: frame %d: the frog is off the board at (%d, %d)\n", map.c_str(), frame, g_frogX, g_frogY);
        problems++;
        return false;
    }
    for (int i = 0; i < g_itemCount; i++) {
        if (g_items[i].life > 0 && !OnBoard(g_items[i].x, g_items[i].y, CELL_SIZE)) {
            fprintf(stderr, "%s: frame %d: item %d is off the board at (%d, %d)\n", map.c_str(), frame, i,
                    g_items[i].x, g_items[i].y);
            problems++;
            return false;
        }
    }
    return true;
}

bool ReadWhole(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    text = bytes.str();
    return file.good() || file.eof();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || atoi(argv[1]) <= 0) {
        fprintf(stderr, "usage: soak FRAMES MAP...\n");
        return 2;
    }
    int frames = atoi(argv[1]);
    int problems = 0;
    for (int m = 2; m < argc; m++) {
        std::string map = argv[m];
        SimOptions options;
        if (!ReadWhole(map, options.mapText)) {
            fprintf(stderr, "soak: cannot read %s\n", map.c_str());
            return 2;
        }
        options.steps = RandomSteps(frames, 1234u + m);
        options.noPixels = true;
        options.afterFrame = [&](int frame) { return CheckFrame(map, frame, problems); };
        SimResult result;
        std::string error;
        if (!RunSimulation(options, NULL, result, error)) {
            fprintf(stderr, "soak: %s: %s\n", map.c_str(), error.c_str());
            return 2;
        }
        printf("%s: %d frames\n", map.c_str(), result.frames);
    }
    return problems == 0 ? 0 : 1;
}
