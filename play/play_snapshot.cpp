// Copies the play globals into a snapshot and back; one table of field
// pairs serves both ways, so a global added to it is saved and restored alike.
#include "play/play_snapshot.h"

#include <stddef.h>
#include <string.h>

#include "app/app_state.h"
#include "input/input.h"
#include "play/frog.h"
#include "stage/game_rand.h"

struct SnapshotField {
    void* global;
    size_t offset;
    size_t size;
};

#define FIELD(global, member) {&(global), offsetof(PlaySnapshot, member), sizeof(global)}

static const SnapshotField FIELDS[] = {
    FIELD(g_board, board),
    FIELD(g_items, items),
    FIELD(g_itemCount, itemCount),
    FIELD(g_switchState, switchState),
    FIELD(g_frogX, frog.x),
    FIELD(g_frogY, frog.y),
    FIELD(g_frogRect, frog.rect),
    FIELD(g_frogVx, frog.vx),
    FIELD(g_frogVy, frog.vy),
    FIELD(g_frogPose, frog.pose),
    FIELD(g_frogAirborne, frog.airborne),
    FIELD(g_frogHeadroom, frog.headroom),
    FIELD(g_frogOnItem, frog.onItem),
    FIELD(g_groundSpeed, frog.groundSpeed),
    FIELD(g_frogAnimFrames, frog.animFrames),
    FIELD(g_frogAnimFrame, frog.animFrame),
    FIELD(g_frogAnimTime, frog.animTime),
    FIELD(g_frogAnimInterval, frog.animInterval),
    FIELD(g_clearFrogSrc, frog.clearSrc),
    FIELD(g_frogSwimPose, frog.swimPose),
    FIELD(g_clockRunning, clock.running),
    FIELD(g_clockTick, clock.tick),
    FIELD(g_playTime, clock.playTime),
    FIELD(g_paused, clock.paused),
    FIELD(g_pauseCursor, clock.pauseCursor),
    FIELD(g_leaving, clock.leaving),
    FIELD(g_fadeInPending, clock.fadeInPending),
    FIELD(g_stageBgm, clock.stageBgm),
    FIELD(g_clearLetterY, clear.letterY),
    FIELD(g_clearLetterVy, clear.letterVy),
    FIELD(g_clearBounces, clear.bounces),
    FIELD(g_clearSoundPending, clear.soundPending),
    FIELD(g_clearJumpVy, clear.jumpVy),
    FIELD(g_targetCount, targetCount),
    FIELD(g_streamPhase, streamPhase),
    FIELD(g_streamTime, streamTime),
    FIELD(g_wavePhase, wavePhase),
    FIELD(g_waveTime, waveTime),
    FIELD(g_key, key),
    FIELD(g_keyLatch, keyLatch),
    FIELD(g_randSeed, randSeed),
    FIELD(g_now, now),
    FIELD(g_scene, scene),
};

#undef FIELD

void SavePlaySnapshot(PlaySnapshot* out)
{
    for (const SnapshotField& field : FIELDS) {
        memcpy((char*)out + field.offset, field.global, field.size);
    }
}

void RestorePlaySnapshot(const PlaySnapshot* in)
{
    for (const SnapshotField& field : FIELDS) {
        memcpy(field.global, (const char*)in + field.offset, field.size);
    }
}
