// What makes a moment of play new to the search: small features (where the
// frog is, which cell each item is in, which switches are on, where liquid
// stands), each counted within the number of targets covered so far.
#ifndef TOOLS_SOLVE_SOLVE_NOVELTY_H
#define TOOLS_SOLVE_SOLVE_NOVELTY_H

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "play/play_snapshot.h"

// How new a state is: 0 when one of its single features was never seen, 1
// when only their combination is new, 2 when neither.
enum NoveltyTier { TIER_NEW_FEATURE = 0, TIER_NEW_LAYOUT = 1, TIER_SEEN = 2, TIERS = 3 };

struct NoveltyTable {
    std::unordered_set<uint64_t> features;
    std::unordered_map<uint64_t, uint32_t> layouts;   // times each layout was reached
};

// The count of switches on the board: they are numbered 1 upwards.
int HighestSwitch(const PlaySnapshot& state);
// Items resting on targets in the snapshot.
int CoveredTargets(const PlaySnapshot& state);

// Looks the state's features up, records them, and says how new it was;
// `layoutVisits` tells how often its layout has now been reached.
NoveltyTier RecordNovelty(NoveltyTable& table, const PlaySnapshot& state, uint32_t& layoutVisits);

#endif
