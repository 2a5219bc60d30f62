// Sound objects: creation with duplicated voices, choice of the voice to play
// next (cutting off the oldest when all are busy), play and stop.
#include "audio/snd_obj.h"

#include <cstdlib>

#include "audio/wave.h"

// One zero-filled allocation: the object followed by its voice pointers.
static SndObj* AllocateSndObj(BYTE* data, DWORD size, int voiceCount)
{
    SndObj* object = (SndObj*)calloc(1, sizeof(SndObj) + voiceCount * sizeof(LPDIRECTSOUNDBUFFER));
    if (object != NULL) {
        object->waveData = data;
        object->waveSize = size;
        object->voiceCount = voiceCount;
        object->voices = (LPDIRECTSOUNDBUFFER*)(object + 1);
    }
    return object;
}

SndObj* CreateSndObj(LPDIRECTSOUND ds, LPCSTR name, int voiceCount)
{
    SndObj* object = NULL;
    BYTE* data;
    DWORD size;
    if (GetWaveResource(NULL, name, NULL, &data, &size)) {
        if (voiceCount < 1) {
            voiceCount = 1;
        }
        object = AllocateSndObj(data, size, voiceCount);
    }
    if (object != NULL) {
        object->voices[0] = LoadWaveBuffer(ds, name);
        for (int i = 1; i < voiceCount; i++) {
            if (ds->DuplicateSoundBuffer(object->voices[0], &object->voices[i]) != DS_OK) {
                object->voices[i] = LoadWaveBuffer(ds, name);
                if (object->voices[i] == NULL) {
                    DestroySndObj(object);
                    object = NULL;
                    break;
                }
            }
        }
    }
    if (object == NULL) {
        OutputDebugStringA("Could not create SndObj object\n");
    }
    return object;
}

void DestroySndObj(SndObj* object)
{
    if (object == NULL) {
        return;
    }
    for (int i = 0; i < object->voiceCount; i++) {
        if (object->voices[i] != NULL) {
            object->voices[i]->Release();
            object->voices[i] = NULL;
        }
    }
    free(object);
}

static DWORD VoiceStatus(LPDIRECTSOUNDBUFFER voice)
{
    DWORD status;
    return voice->GetStatus(&status) == DS_OK ? status : 0;
}

LPDIRECTSOUNDBUFFER GetFreeSndObjBuffer(SndObj* object)
{
    if (object == NULL) {
        return NULL;
    }
    LPDIRECTSOUNDBUFFER voice = object->voices[object->currentVoice];
    if (voice != NULL) {
        DWORD status = VoiceStatus(voice);
        if (status & DSBSTATUS_PLAYING) {
            if (object->voiceCount > 1) {
                if (++object->currentVoice >= object->voiceCount) {
                    object->currentVoice = 0;
                }
                voice = object->voices[object->currentVoice];
                status = VoiceStatus(voice);
                if (status & DSBSTATUS_PLAYING) {
                    voice->Stop();
                    voice->SetCurrentPosition(0);
                }
            } else {
                voice = NULL;
            }
        }
        if (voice != NULL && (status & DSBSTATUS_BUFFERLOST)) {
            if (voice->Restore() != DS_OK || !FillWaveBuffer(voice, object->waveData, object->waveSize)) {
                voice = NULL;
            }
        }
    }
    if (voice == NULL) {
        OutputDebugStringA("Could not get free buffer for SndObj!\n");
    }
    return voice;
}

BOOL PlaySndObj(SndObj* object, DWORD flags)
{
    if (object == NULL) {
        return 0;
    }
    if ((flags & DSBPLAY_LOOPING) && object->voiceCount > 1) {
        return 0;
    }
    LPDIRECTSOUNDBUFFER voice = GetFreeSndObjBuffer(object);
    if (voice == NULL) {
        return 0;
    }
    return voice->Play(0, 0, flags) == DS_OK;
}

BOOL StopSndObj(SndObj* object)
{
    if (object == NULL) {
        return 0;
    }
    for (int i = 0; i < object->voiceCount; i++) {
        if (object->voices[i] != NULL) {
            object->voices[i]->Stop();
            object->voices[i]->SetCurrentPosition(0);
        }
    }
    return 1;
}
