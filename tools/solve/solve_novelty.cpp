// Features are hashed with a tag for their kind and the covered-target count,
// so covering one more target makes the whole board worth exploring again.
// The frog's feature holds its footing too: standing, on a ladder or in the
// air at one place lead on to different places.
#include "solve_novelty.h"

#include "play/frog.h"

static const int FROG_GRID = 12;

enum FeatureKind { FEATURE_FROG, FEATURE_ITEM, FEATURE_SWITCH, FEATURE_LIQUID };

static uint64_t Feature(int kind, int covered, int a, int b, int c)
{
    uint64_t h = (uint64_t)kind * 0x100000001B3ull + (uint64_t)covered;
    for (int value : {a, b, c}) {
        h = (h ^ (uint32_t)value) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 31;
    }
    return h;
}

int CoveredTargets(const PlaySnapshot& state)
{
    int covered = 0;
    for (int i = 0; i < state.itemCount && i < MAX_ITEMS; i++) {
        covered += state.items[i].life != 0 && state.items[i].onTarget != 0;
    }
    return covered;
}

int HighestSwitch(const PlaySnapshot& state)
{
    int count = 0;
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            int n = state.board[x][y].switchNo;
            count = n > count && n < SWITCH_SLOTS ? n : count;
        }
    }
    return count;
}

// The cells holding liquid, as one hash.
static int LiquidPlaces(const PlaySnapshot& state)
{
    uint64_t h = 1469598103934665603ull;
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            h = (h ^ (uint64_t)(state.board[x][y].level > 0)) * 1099511628211ull;
        }
    }
    return (int)(h ^ (h >> 32));
}

static void StateFeatures(const PlaySnapshot& state, std::vector<uint64_t>& out)
{
    int covered = CoveredTargets(state);
    out.clear();
    int footing = state.frog.airborne != 0 ? 2 : state.frog.pose == FROG_POSE_LADDER;
    out.push_back(Feature(FEATURE_FROG, covered, state.frog.x / FROG_GRID, state.frog.y / FROG_GRID, footing));
    for (int i = 0; i < state.itemCount && i < MAX_ITEMS; i++) {
        const Item& item = state.items[i];
        int cellX = (item.x + CELL_SIZE / 2) / CELL_SIZE;
        int cellY = (item.y + CELL_SIZE / 2) / CELL_SIZE;
        out.push_back(Feature(FEATURE_ITEM, covered, i, item.life != 0 ? cellX : -1, item.life != 0 ? cellY : -1));
    }
    for (int n = 1, count = HighestSwitch(state); n <= count; n++) {
        out.push_back(Feature(FEATURE_SWITCH, covered, n, state.switchState[n], 0));
    }
    out.push_back(Feature(FEATURE_LIQUID, covered, LiquidPlaces(state), 0, 0));
}

NoveltyTier RecordNovelty(NoveltyTable& table, const PlaySnapshot& state, uint32_t& layoutVisits)
{
    static std::vector<uint64_t> features;
    StateFeatures(state, features);
    bool newFeature = false;
    uint64_t layout = 0;
    for (uint64_t feature : features) {
        newFeature = table.features.insert(feature).second || newFeature;
        layout = (layout ^ feature) * 0x100000001B3ull + 0x9E37ull;
    }
    layoutVisits = ++table.layouts[layout];
    if (newFeature) {
        return TIER_NEW_FEATURE;
    }
    return layoutVisits == 1 ? TIER_NEW_LAYOUT : TIER_SEEN;
}
