// Kernel calls: the tick counter, sleeping, debug output and the module handle.
#include <SDL.h>

#include <cstdio>

#include "platform_state.h"

namespace plat {
Options g_options;
SeamState g_seam;

HRESULT ForcedResult(const char* call)
{
    auto found = g_seam.failures.find(call);
    if (found == g_seam.failures.end()) {
        return S_OK;
    }
    if (found->second.succeedFirst > 0) {
        found->second.succeedFirst--;
        return S_OK;
    }
    return found->second.result;
}
}  // namespace plat

using plat::g_seam;

DWORD WINAPI GetTickCount(void)
{
    return g_seam.active ? g_seam.ticks : (DWORD)SDL_GetTicks64();
}

void WINAPI Sleep(DWORD milliseconds)
{
    if (g_seam.active) {
        g_seam.ticks += milliseconds;
        return;
    }
    SDL_Delay(milliseconds);
}

void WINAPI OutputDebugStringA(LPCSTR text)
{
    if (g_seam.active) {
        g_seam.debugLines.push_back(text);
    }
    if (plat::g_options.debug) {
        fputs(text, stderr);
    }
}

static int g_module;

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName)
{
    return moduleName == NULL ? (HMODULE)&g_module : NULL;
}
