// The wave resource parser under libFuzzer: any bytes, any mix of wanted
// outputs; every pointer it hands back must lie inside the input.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "audio/wave.h"

void WINAPI OutputDebugStringA(LPCSTR) {}
HRSRC WINAPI FindResourceA(HMODULE, LPCSTR, LPCSTR) { return NULL; }
HGLOBAL WINAPI LoadResource(HMODULE, HRSRC) { return NULL; }
LPVOID WINAPI LockResource(HGLOBAL) { return NULL; }
DWORD WINAPI SizeofResource(HMODULE, HRSRC) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length)
{
    if (length < 1) {
        return 0;
    }
    int wanted = bytes[0];
    // An exact-size copy, so that any read past the end is caught.
    std::vector<BYTE> memory(bytes + 1, bytes + length);
    BYTE* base = memory.data();
    WAVEFORMATEX* format;
    BYTE* data;
    DWORD size;
    BOOL ok = ParseWaveResource(base, (DWORD)memory.size(), (wanted & 1) ? &format : NULL,
                                (wanted & 2) ? &data : NULL, (wanted & 4) ? &size : NULL);
    if (!ok) {
        return 0;
    }
    const BYTE* end = base + memory.size();
    if ((wanted & 1) && ((BYTE*)format < base || (BYTE*)format + 14 > end)) {
        abort();
    }
    if ((wanted & 2) && (data < base || data > end)) {
        abort();
    }
    if ((wanted & 6) == 6 && data + size > end) {
        abort();
    }
    if (wanted & 1) {
        // The block may be at any even offset, as DirectSound copies it.
        WAVEFORMATEX copy;
        memcpy(&copy, format, 14);
        volatile WORD tag = copy.wFormatTag;
        (void)tag;
    }
    return 0;
}
