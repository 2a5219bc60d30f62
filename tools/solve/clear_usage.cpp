// The starting switch states and item places are taken after the stage's
// first frame, when its map has been read; later frames only mark changes.
#include "clear_usage.h"

#include <memory>

#include "sim_run.h"
#include "solve_novelty.h"

namespace {

struct Watch {
    std::vector<int> switchStart;
    std::vector<bool> switched;
    std::vector<std::pair<int, int>> itemStart;
    std::vector<bool> moved;
};

void Begin(Watch& watch)
{
    std::unique_ptr<PlaySnapshot> start(new PlaySnapshot());
    SavePlaySnapshot(start.get());
    for (int n = 1; n <= HighestSwitch(*start); n++) {
        watch.switchStart.push_back(g_switchState[n]);
    }
    watch.switched.assign(watch.switchStart.size(), false);
    for (int i = 0; i < g_itemCount; i++) {
        watch.itemStart.push_back({g_items[i].x, g_items[i].y});
    }
    watch.moved.assign(watch.itemStart.size(), false);
}

void Mark(Watch& watch)
{
    for (size_t n = 0; n < watch.switchStart.size(); n++) {
        watch.switched[n] = watch.switched[n] || g_switchState[n + 1] != watch.switchStart[n];
    }
    for (size_t i = 0; i < watch.itemStart.size(); i++) {
        std::pair<int, int> place{g_items[i].x, g_items[i].y};
        watch.moved[i] = watch.moved[i] || place != watch.itemStart[i];
    }
}

std::string NumberList(const std::vector<int>& numbers)
{
    std::string out = "[";
    for (size_t i = 0; i < numbers.size(); i++) {
        out += (i > 0 ? "," : "") + std::to_string(numbers[i]);
    }
    return out + "]";
}

}  // namespace

bool WatchClear(const std::string& mapText, const std::vector<ScriptStep>& steps, ClearUsage& usage,
                std::string& error)
{
    SimOptions options;
    options.mapText = mapText;
    options.steps = steps;
    options.untilClear = true;
    options.noPixels = true;
    Watch watch;
    options.afterFrame = [&](int frame) {
        frame == 0 ? Begin(watch) : Mark(watch);
        return true;
    };
    SimResult result;
    if (!RunSimulation(options, nullptr, result, error)) {
        return false;
    }
    usage.cleared = result.cleared;
    usage.clearTime = result.clearTime;
    for (size_t n = 0; n < watch.switched.size(); n++) {
        if (!watch.switched[n]) {
            usage.unswitched.push_back((int)n + 1);
        }
    }
    for (size_t i = 0; i < watch.moved.size(); i++) {
        if (!watch.moved[i]) {
            usage.unmoved.push_back((int)i + 1);
        }
    }
    return true;
}

std::string UsageJson(const ClearUsage& usage)
{
    return "\"unswitched\":" + NumberList(usage.unswitched) + ",\"unmoved\":" + NumberList(usage.unmoved);
}
