// The solver's view of a moment of play: the whole play state as words, a
// compact copy of it against the stage start, and the hash that tells two
// moments apart when they would play on differently.
#ifndef TOOLS_SOLVE_SOLVE_STATE_H
#define TOOLS_SOLVE_SOLVE_STATE_H

#include <cstdint>
#include <vector>

#include "play/play_snapshot.h"

const int SNAPSHOT_WORDS = sizeof(PlaySnapshot) / sizeof(uint32_t);

// The words of one snapshot that differ from the stage start's, as pairs of
// word index and value.
struct StateDiff {
    std::vector<uint32_t> pairs;
};

void DiffAgainst(const PlaySnapshot& base, const PlaySnapshot& state, std::vector<uint32_t>& pairs);
void ApplyDiff(const PlaySnapshot& base, const uint32_t* pairs, size_t count, PlaySnapshot& out);

// Hash of everything that changes how play goes on: the absolute clock, the
// play time and the picture phases are left out, the tap's pouring timer is
// taken relative to the frame's time, and the frame's place in the 16-17-17 ms
// pattern of ticks is put in. `frame` is the frame number of the snapshot.
uint64_t PlayHash(const PlaySnapshot& state, int frame);

// Snapshot fields the hash leaves out, by byte offset and size, for tests.
struct SkippedField {
    size_t offset;
    size_t size;
};
const std::vector<SkippedField>& SkippedFields(void);

#endif
