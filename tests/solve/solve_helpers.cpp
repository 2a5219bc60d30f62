// The helpers read maps and replays from the source tree.
#include "solve_helpers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "play/play_snapshot.h"
#include "sim_run.h"

// Taken before any test runs: every play global is constant-initialised.
static const std::unique_ptr<PlaySnapshot> g_fresh = [] {
    std::unique_ptr<PlaySnapshot> fresh(new PlaySnapshot());
    SavePlaySnapshot(fresh.get());
    return fresh;
}();

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string ShippedMap(int stage)
{
    return ReadFile(std::string(SOURCE_DIR) + "/map/map" + std::to_string(stage) + ".map");
}

std::string TestMap(const std::string& name)
{
    return ReadFile(std::string(SOURCE_DIR) + "/tests/solve/maps/" + name);
}

std::vector<std::vector<int>> ReplayFrames(int stage)
{
    std::string path = std::string(SOURCE_DIR) + "/tests/replays/map" + std::to_string(stage) + ".txt";
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_TRUE(ParseScript(ReadFile(path), steps, error)) << error;
    std::vector<std::vector<int>> frames;
    for (const ScriptStep& step : steps) {
        frames.insert(frames.end(), step.frames, step.keys);
    }
    return frames;
}

void RestoreFreshGlobals(void)
{
    RestorePlaySnapshot(g_fresh.get());
}

void WithGame(const std::string& mapText, const std::function<void(HWND)>& body)
{
    RestoreFreshGlobals();
    SimOptions options;
    options.mapText = mapText;
    options.noPixels = true;
    std::string error;
    ASSERT_TRUE(RunWithGame(options, body, error)) << error;
}
