// The table of twelve sounds, and playing and stopping them by id.
#include "audio/sound.h"

const SoundEntry SOUND_TABLE[] = {
    {SOUND_CSWITCH, "CSWITCH", 10, 0},
    {SOUND_PSWITCH, "PSWITCH", 10, 0},
    {SOUND_VALVE, "VALVE", 10, 0},
    {SOUND_CURSOR, "CURSOR", 10, 0},
    {SOUND_CLEAR, "CLEAR", 10, 0},
    {SOUND_CROAK, "CROAK", 10, 0},
    {SOUND_GAME1, "GAME1", 1, DSBPLAY_LOOPING},
    {SOUND_GAME2, "GAME2", 1, DSBPLAY_LOOPING},
    {SOUND_TITLE, "TITLE", 1, DSBPLAY_LOOPING},
    {SOUND_STAGE, "STAGE", 10, 0},
    {SOUND_SCORE, "SCORE", 10, 0},
    {SOUND_PROLOG, "PROLOG", 1, DSBPLAY_LOOPING},
};
const int SOUND_COUNT = sizeof SOUND_TABLE / sizeof SOUND_TABLE[0];

SndObj* g_sounds[sizeof SOUND_TABLE / sizeof SOUND_TABLE[0]];

// The table row of an id, or -1 for an id outside the table.
static int SoundIndex(int id)
{
    for (int i = 0; i < SOUND_COUNT; i++) {
        if (SOUND_TABLE[i].id == id) {
            return i;
        }
    }
    return -1;
}

BOOL PlaySound(int id)
{
    int index = SoundIndex(id);
    return index >= 0 ? PlaySndObj(g_sounds[index], SOUND_TABLE[index].playFlags) : 0;
}

BOOL StopSound(int id)
{
    int index = SoundIndex(id);
    return index >= 0 ? StopSndObj(g_sounds[index]) : 0;
}
