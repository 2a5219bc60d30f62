// Finding a WAVE resource and walking its RIFF chunks to the format block and
// the samples, without copying anything. Every chunk must fit in the resource.
#include "audio/wave.h"

#include <cstring>

static const DWORD RIFF_HEADER = 12;
static const DWORD CHUNK_HEADER = 8;
static const DWORD MIN_FORMAT = 14;

static DWORD ReadDword(const BYTE* p)
{
    DWORD value;
    memcpy(&value, p, sizeof value);
    return value;
}

static BOOL ParseFail(void)
{
    OutputDebugStringA("Could not parse wave resource!\n");
    return 0;
}

BOOL ParseWaveResource(void* memory, DWORD resourceSize, WAVEFORMATEX** format, BYTE** data, DWORD* size)
{
    if (format) {
        *format = NULL;
    }
    if (data) {
        *data = NULL;
    }
    if (size) {
        *size = 0;
    }
    const BYTE* base = (const BYTE*)memory;
    if (base == NULL || resourceSize < RIFF_HEADER || ReadDword(base) != mmioFOURCC('R', 'I', 'F', 'F') ||
        ReadDword(base + 8) != mmioFOURCC('W', 'A', 'V', 'E')) {
        return ParseFail();
    }
    unsigned long long end = 8ull + ReadDword(base + 4);
    if (end > resourceSize) {
        return ParseFail();
    }
    unsigned long long pos = RIFF_HEADER;
    while (pos < end) {
        if (pos + CHUNK_HEADER > resourceSize) {
            return ParseFail();
        }
        DWORD id = ReadDword(base + pos);
        DWORD length = ReadDword(base + pos + 4);
        BYTE* content = (BYTE*)base + pos + CHUNK_HEADER;
        if (pos + CHUNK_HEADER + length > resourceSize) {
            return ParseFail();
        }
        if (id == mmioFOURCC('f', 'm', 't', ' ')) {
            if (format && *format == NULL) {
                if (length < MIN_FORMAT) {
                    return ParseFail();
                }
                *format = (WAVEFORMATEX*)content;
                if ((!data || *data) && (!size || *size)) {
                    return 1;
                }
            }
        } else if (id == mmioFOURCC('d', 'a', 't', 'a')) {
            if ((data && *data == NULL) || (size && *size == 0)) {
                if (data) {
                    *data = content;
                }
                if (size) {
                    *size = length;
                }
                if (!format || *format) {
                    return 1;
                }
            }
        }
        pos += CHUNK_HEADER + ((length + 1ull) & ~1ull);
    }
    return ParseFail();
}

BOOL GetWaveResource(HMODULE module, LPCSTR name, WAVEFORMATEX** format, BYTE** data, DWORD* size)
{
    HRSRC found = FindResourceA(module, name, "WAVE");
    if (found == NULL) {
        OutputDebugStringA("Sound Resource not find! - ");
        OutputDebugStringA(name);
        OutputDebugStringA(" -\n");
    } else {
        HGLOBAL loaded = LoadResource(module, found);
        void* memory = loaded != NULL ? LockResource(loaded) : NULL;
        if (loaded == NULL) {
            OutputDebugStringA("Sound Resource not load!\n");
        } else if (memory == NULL) {
            OutputDebugStringA("Sound Resource not lock!\n");
        } else if (ParseWaveResource(memory, SizeofResource(module, found), format, data, size)) {
            return 1;
        } else {
            OutputDebugStringA("Sound Resource not check!\n");
        }
    }
    OutputDebugStringA("Could not get wave resource!\n");
    return 0;
}
