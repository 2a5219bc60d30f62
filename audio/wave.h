// Wave resources read in place, and static sound buffers filled from them.
#ifndef AUDIO_WAVE_H
#define AUDIO_WAVE_H

#include <windows.h>
#include <dsound.h>

// Walks the RIFF chunks of a WAVE file of `resourceSize` bytes; every out
// pointer may be null. Returns 1 on success, 0 on failure.
BOOL ParseWaveResource(void* memory, DWORD resourceSize, WAVEFORMATEX** format, BYTE** data, DWORD* size);
BOOL GetWaveResource(HMODULE module, LPCSTR name, WAVEFORMATEX** format, BYTE** data, DWORD* size);
LPDIRECTSOUNDBUFFER LoadWaveBuffer(LPDIRECTSOUND ds, LPCSTR name);
BOOL FillWaveBuffer(LPDIRECTSOUNDBUFFER buffer, BYTE* data, DWORD size);

#endif
