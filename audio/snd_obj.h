// Sound objects: one or more voices holding the same samples, so that an
// effect can overlap itself; a single voice can loop.
#ifndef AUDIO_SND_OBJ_H
#define AUDIO_SND_OBJ_H

#include <windows.h>
#include <dsound.h>

struct SndObj {
    BYTE* waveData;
    DWORD waveSize;
    int voiceCount;
    int currentVoice;
    LPDIRECTSOUNDBUFFER* voices;
};

SndObj* CreateSndObj(LPDIRECTSOUND ds, LPCSTR name, int voiceCount);
void DestroySndObj(SndObj* object);
LPDIRECTSOUNDBUFFER GetFreeSndObjBuffer(SndObj* object);
BOOL PlaySndObj(SndObj* object, DWORD flags);
BOOL StopSndObj(SndObj* object);

#endif
