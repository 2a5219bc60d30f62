// Static sound buffers holding a copy of a wave resource's samples.
#include "audio/wave.h"

#include <cstring>

static const DWORD BUFFER_FLAGS =
    DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_GETCURRENTPOSITION2;

LPDIRECTSOUNDBUFFER LoadWaveBuffer(LPDIRECTSOUND ds, LPCSTR name)
{
    LPDIRECTSOUNDBUFFER buffer = NULL;
    WAVEFORMATEX* format;
    BYTE* data;
    DWORD size;
    if (GetWaveResource(NULL, name, &format, &data, &size)) {
        DSBUFFERDESC desc;
        ZeroMemory(&desc, sizeof desc);
        desc.dwSize = sizeof desc;
        desc.dwFlags = BUFFER_FLAGS;
        desc.dwBufferBytes = size;
        desc.lpwfxFormat = format;
        if (ds->CreateSoundBuffer(&desc, &buffer, NULL) != DS_OK) {
            buffer = NULL;
        } else if (!FillWaveBuffer(buffer, data, size)) {
            buffer->Release();
            buffer = NULL;
        }
    }
    if (buffer == NULL) {
        OutputDebugStringA("Could not load sound buffer!\n");
    }
    return buffer;
}

BOOL FillWaveBuffer(LPDIRECTSOUNDBUFFER buffer, BYTE* data, DWORD size)
{
    LPVOID region1;
    LPVOID region2;
    DWORD length1;
    DWORD length2;
    if (buffer == NULL || data == NULL || size == 0 ||
        buffer->Lock(0, size, &region1, &length1, &region2, &length2, 0) != DS_OK) {
        OutputDebugStringA("Could not fill sound buffer!\n");
        return 0;
    }
    memcpy(region1, data, length1);
    if (length2 != 0) {
        memcpy(region2, data + length1, length2);
    }
    buffer->Unlock(region1, length1, region2, length2);
    return 1;
}
