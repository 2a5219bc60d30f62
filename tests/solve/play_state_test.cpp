// Save and restore of the play state, its diffs, and the hash the solver
// drops repeated states by.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "app/app_state.h"
#include "sim_run.h"
#include "sim_state.h"
#include "solve_helpers.h"
#include "solve_state.h"

namespace {

// Stages with a tap (5), melting ice (9), a rolling star (10), a plate (13)
// and a wheel draining through pipes (14).
const int STAGES[] = {5, 9, 10, 13, 14};

void PlayFrame(HWND window, const std::vector<std::vector<int>>& keys, int frame)
{
    HoldScriptKeys(keys[frame]);
    PlayScriptFrame(window, frame);
}

std::vector<std::string> UnbrokenRun(int stage, const std::vector<std::vector<int>>& keys)
{
    std::vector<std::string> lines;
    WithGame(ShippedMap(stage), [&](HWND window) {
        for (int frame = 0; frame < (int)keys.size(); frame++) {
            PlayFrame(window, keys, frame);
            lines.push_back(StateJson(frame));
        }
    });
    return lines;
}

// Saves at `at`, wanders off jumping to the right for a second, comes back
// through a diff against the first frame's state, and plays on.
std::vector<std::string> RunWithDetour(int stage, const std::vector<std::vector<int>>& keys, int at)
{
    std::vector<std::string> lines;
    std::unique_ptr<PlaySnapshot[]> snaps(new PlaySnapshot[3]());
    WithGame(ShippedMap(stage), [&](HWND window) {
        for (int frame = 0; frame < (int)keys.size(); frame++) {
            PlayFrame(window, keys, frame);
            lines.push_back(StateJson(frame));
            if (frame == 0) {
                SavePlaySnapshot(&snaps[0]);
            }
            if (frame != at) {
                continue;
            }
            SavePlaySnapshot(&snaps[1]);
            std::vector<uint32_t> pairs;
            DiffAgainst(snaps[0], snaps[1], pairs);
            std::vector<std::vector<int>> detour(keys.size() + 60, {VK_RIGHT, 'X'});
            for (int i = 1; i <= 60; i++) {
                PlayFrame(window, detour, frame + i);
            }
            ApplyDiff(snaps[0], pairs.data(), pairs.size(), snaps[2]);
            RestorePlaySnapshot(&snaps[2]);
        }
    });
    return lines;
}

TEST(PlaySnapshot, RestoredPlayGivesTheSameFramesAsAnUnbrokenRun)
{
    for (int stage : STAGES) {
        SCOPED_TRACE("stage " + std::to_string(stage));
        std::vector<std::vector<int>> keys = ReplayFrames(stage);
        std::vector<std::string> unbroken = UnbrokenRun(stage, keys);
        for (int at : {(int)keys.size() / 3, (int)keys.size() * 2 / 3}) {
            std::vector<std::string> detoured = RunWithDetour(stage, keys, at);
            ASSERT_EQ(unbroken.size(), detoured.size());
            for (size_t frame = 0; frame < unbroken.size(); frame++) {
                ASSERT_EQ(unbroken[frame], detoured[frame]) << "frame " << frame << " after a detour at " << at;
            }
        }
        bool cleared = false;
        for (const std::string& line : unbroken) {
            cleared = cleared || line.find("\"scene\":32") != std::string::npos;
        }
        EXPECT_TRUE(cleared) << "the replay clears";
    }
}

bool Skipped(size_t byte)
{
    for (const SkippedField& field : SkippedFields()) {
        if (byte >= field.offset && byte < field.offset + field.size) {
            return true;
        }
    }
    return false;
}

// A snapshot of stage 13 halfway through its replay, with its frame number.
int MidPlay(PlaySnapshot& out)
{
    std::vector<std::vector<int>> keys = ReplayFrames(13);
    int half = (int)keys.size() / 2;
    WithGame(ShippedMap(13), [&](HWND window) {
        for (int frame = 0; frame <= half; frame++) {
            PlayFrame(window, keys, frame);
        }
        SavePlaySnapshot(&out);
    });
    return half;
}

TEST(PlayHash, ChangesWithEveryFieldButThosePlayNeverReads)
{
    std::unique_ptr<PlaySnapshot[]> snaps(new PlaySnapshot[2]());
    int frame = MidPlay(snaps[0]);
    uint64_t hash = PlayHash(snaps[0], frame);
    unsigned char* bytes = (unsigned char*)&snaps[1];
    for (size_t byte = 0; byte < sizeof(PlaySnapshot); byte++) {
        snaps[1] = snaps[0];
        bytes[byte] ^= 0x10;
        bool same = PlayHash(snaps[1], frame) == hash;
        bool sinceTap = byte >= offsetof(PlaySnapshot, streamTime) && byte < offsetof(PlaySnapshot, streamTime) + 4;
        if (!sinceTap && !(byte >= offsetof(PlaySnapshot, now) && byte < offsetof(PlaySnapshot, now) + 4)) {
            ASSERT_EQ(same, Skipped(byte)) << "byte " << byte << " of the snapshot";
        }
    }
    EXPECT_NE(PlayHash(snaps[0], frame + 1), hash) << "the place in the 16-17-17 ms tick pattern";
    EXPECT_EQ(PlayHash(snaps[0], frame + 3), hash);
}

TEST(PlayHash, TakesTheTapTimerRelativeToTheFrame)
{
    std::unique_ptr<PlaySnapshot[]> snaps(new PlaySnapshot[2]());
    int frame = MidPlay(snaps[0]);
    snaps[0].streamTime = (int)snaps[0].now - 40;
    snaps[1] = snaps[0];
    snaps[1].now += 5000;
    snaps[1].streamTime += 5000;
    EXPECT_EQ(PlayHash(snaps[0], frame), PlayHash(snaps[1], frame)) << "the same time since the last pour";
    snaps[1].streamTime -= 30;
    EXPECT_NE(PlayHash(snaps[0], frame), PlayHash(snaps[1], frame)) << "a pour 30 ms nearer";
}

// Every field the hash leaves out, taken from another moment of the same
// play (so pictures stay ones the atlas has), must leave play as it was.
void MixInSkipped(PlaySnapshot& state, const PlaySnapshot& other)
{
    for (const SkippedField& field : SkippedFields()) {
        bool timer = field.offset == offsetof(PlaySnapshot, streamTime) || field.offset == offsetof(PlaySnapshot, now);
        if (!timer) {
            memcpy((char*)&state + field.offset, (const char*)&other + field.offset, field.size);
        }
    }
}

// The hashes of the frames that follow `start` while play goes on (the clear
// and the result screen fade the palette, which lies outside the play state).
std::vector<uint64_t> HashesFrom(HWND window, const PlaySnapshot& start, int frame,
                                 const std::vector<std::vector<int>>& keys)
{
    std::unique_ptr<PlaySnapshot> now(new PlaySnapshot());
    RestorePlaySnapshot(&start);
    std::vector<uint64_t> hashes;
    for (int f = frame + 1; f < (int)keys.size() && g_scene == SCENE_PLAY; f++) {
        PlayFrame(window, keys, f);
        SavePlaySnapshot(now.get());
        hashes.push_back(PlayHash(*now, f));
    }
    return hashes;
}

TEST(PlayHash, FieldsItLeavesOutNeverChangeHowPlayGoesOn)
{
    for (int stage : STAGES) {
        SCOPED_TRACE("stage " + std::to_string(stage));
        std::vector<std::vector<int>> keys = ReplayFrames(stage);
        std::unique_ptr<PlaySnapshot[]> snaps(new PlaySnapshot[3]());
        int at = (int)keys.size() / 3;
        WithGame(ShippedMap(stage), [&](HWND window) {
            for (int frame = 0; frame <= at + 37; frame++) {
                PlayFrame(window, keys, frame);
                SavePlaySnapshot(&snaps[frame == at ? 0 : 2]);
            }
            snaps[1] = snaps[0];
            MixInSkipped(snaps[1], snaps[2]);
            EXPECT_EQ(HashesFrom(window, snaps[0], at, keys), HashesFrom(window, snaps[1], at, keys));
        });
    }
}

}  // namespace
