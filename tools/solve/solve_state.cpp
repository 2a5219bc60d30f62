// Word-wise diffs against the stage start and the play hash with its mask of
// fields that only pictures, sounds and the clock read.
#include "solve_state.h"

#include <cstddef>
#include <cstring>

static_assert(sizeof(PlaySnapshot) % sizeof(uint32_t) == 0, "a snapshot is a whole number of words");

static const uint32_t TAP_INTERVAL_CAP = 101;

static void SkipCellFields(std::vector<SkippedField>& out)
{
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ALL_ROWS; y++) {
            size_t cell = offsetof(PlaySnapshot, board) + sizeof(Cell) * (x * BOARD_ALL_ROWS + y);
            out.push_back({cell + offsetof(Cell, frame), sizeof(int)});
            out.push_back({cell + offsetof(Cell, animTime), sizeof(int)});
        }
    }
}

static void SkipItemFields(std::vector<SkippedField>& out)
{
    for (int i = 0; i < MAX_ITEMS; i++) {
        size_t item = offsetof(PlaySnapshot, items) + sizeof(Item) * i;
        out.push_back({item + offsetof(Item, src), sizeof(RECT)});
        out.push_back({item + offsetof(Item, animFrame), sizeof(int)});
        out.push_back({item + offsetof(Item, animTime), sizeof(int)});
        out.push_back({item + offsetof(Item, animInterval), sizeof(int)});
    }
}

#define SKIP(member) out.push_back({offsetof(PlaySnapshot, member), sizeof(PlaySnapshot::member)})

static std::vector<SkippedField> MakeSkippedFields(void)
{
    std::vector<SkippedField> out;
    SkipCellFields(out);
    SkipItemFields(out);
    out.push_back({offsetof(PlaySnapshot, frog.animFrames), 4 * sizeof(int)});
    out.push_back({offsetof(PlaySnapshot, frog.clearSrc), sizeof(RECT)});
    out.push_back({offsetof(PlaySnapshot, clock.tick), sizeof(int) + sizeof(DWORD)});
    SKIP(streamPhase);
    SKIP(streamTime);
    SKIP(wavePhase);
    SKIP(waveTime);
    SKIP(now);
    return out;
}

#undef SKIP

const std::vector<SkippedField>& SkippedFields(void)
{
    static const std::vector<SkippedField> fields = MakeSkippedFields();
    return fields;
}

static std::vector<uint32_t> MakeMask(void)
{
    std::vector<uint32_t> mask(SNAPSHOT_WORDS, 0xFFFFFFFFu);
    unsigned char* bytes = (unsigned char*)mask.data();
    for (const SkippedField& field : SkippedFields()) {
        memset(bytes + field.offset, 0, field.size);
    }
    return mask;
}

void DiffAgainst(const PlaySnapshot& base, const PlaySnapshot& state, std::vector<uint32_t>& pairs)
{
    const uint32_t* a = (const uint32_t*)&base;
    const uint32_t* b = (const uint32_t*)&state;
    pairs.clear();
    for (uint32_t i = 0; i < (uint32_t)SNAPSHOT_WORDS; i++) {
        if (a[i] != b[i]) {
            pairs.push_back(i);
            pairs.push_back(b[i]);
        }
    }
}

void ApplyDiff(const PlaySnapshot& base, const uint32_t* pairs, size_t count, PlaySnapshot& out)
{
    memcpy(&out, &base, sizeof out);
    uint32_t* words = (uint32_t*)&out;
    for (size_t i = 0; i + 1 < count; i += 2) {
        words[pairs[i]] = pairs[i + 1];
    }
}

static uint64_t Mix(uint64_t h, uint64_t word)
{
    h ^= word;
    h *= 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}

uint64_t PlayHash(const PlaySnapshot& state, int frame)
{
    static const std::vector<uint32_t> mask = MakeMask();
    const uint32_t* words = (const uint32_t*)&state;
    uint64_t h = 0x84222325CBF29CE4ull;
    for (int i = 0; i + 1 < SNAPSHOT_WORDS; i += 2) {
        uint64_t pair = (uint64_t)(words[i] & mask[i]) | (uint64_t)(words[i + 1] & mask[i + 1]) << 32;
        h = Mix(h, pair);
    }
    if (SNAPSHOT_WORDS % 2 != 0) {
        h = Mix(h, words[SNAPSHOT_WORDS - 1] & mask[SNAPSHOT_WORDS - 1]);
    }
    uint32_t sinceTap = state.now - (DWORD)state.streamTime;
    h = Mix(h, sinceTap < TAP_INTERVAL_CAP ? sinceTap : TAP_INTERVAL_CAP);
    return Mix(h, (uint64_t)(frame % 3));
}
