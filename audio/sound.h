// The game's twelve sounds, played and stopped by id, and the set-up and
// release of DirectSound.
#ifndef AUDIO_SOUND_H
#define AUDIO_SOUND_H

#include <windows.h>
#include <dsound.h>

#include "audio/snd_obj.h"

enum {
    SOUND_CSWITCH = 1,
    SOUND_PSWITCH = 2,
    SOUND_VALVE = 3,
    SOUND_CURSOR = 4,
    SOUND_CLEAR = 5,
    SOUND_CROAK = 6,
    SOUND_GAME1 = 10,
    SOUND_GAME2 = 11,
    SOUND_TITLE = 12,
    SOUND_STAGE = 13,
    SOUND_SCORE = 14,
    SOUND_PROLOG = 15,
};

struct SoundEntry {
    int id;
    LPCSTR resource;
    int voices;
    DWORD playFlags;
};
extern const SoundEntry SOUND_TABLE[];
extern const int SOUND_COUNT;

extern LPDIRECTSOUND g_ds;
extern SndObj* g_sounds[];

int ErrorBox(HWND window, LPCSTR text);
BOOL InitializeSound(HWND window);
BOOL ReleaseSound(void);
BOOL PlaySound(int id);
BOOL StopSound(int id);

#endif
