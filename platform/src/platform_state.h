// State shared by the platform's parts: options, the seam's overrides and the
// registry of live display objects.
#ifndef PLATFORM_STATE_H
#define PLATFORM_STATE_H

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// The interface identifiers the stand-in defines: on Windows SDL defines the
// same ones for its own DirectX back ends, and the linker keeps one of each.
#ifdef _WIN32
#define SHARED_GUID __declspec(selectany)
#else
#define SHARED_GUID
#endif

namespace plat {

struct Options {
    bool headless = false;
    bool windowed = false;
    int scale = 0;
    bool debug = false;
    // The stage pack folder given with --stages, or empty for the shipped stages.
    std::string stagePack;
};
extern Options g_options;

struct ForcedFailure {
    HRESULT result;
    int succeedFirst;
};

struct SeamState {
    bool active = false;
    DWORD ticks = 0;
    std::map<std::string, ForcedFailure> failures;
    std::set<std::string> hiddenResources;
    std::vector<std::string> debugLines;
    std::function<void()> idleHook;
    bool framePacing = false;
    bool pixelWork = true;
};
extern SeamState g_seam;

// The forced result of this call, or S_OK when it should go ahead.
HRESULT ForcedResult(const char* call);

}  // namespace plat

// Ends the calling function with the result the seam forces on this call, if any.
#define RETURN_IF_FORCED(call)                           \
    do {                                                 \
        HRESULT forcedResult = plat::ForcedResult(call); \
        if (forcedResult != S_OK) {                      \
            return forcedResult;                         \
        }                                                \
    } while (0)

#endif
