// The program's start on this platform: settings and options, the folder the
// game's files are in, then the game's WinMain.
#include <SDL.h>

#include <cstdio>

#include "data_folder.h"
#include "options.h"
#include "platform_state.h"
#ifdef __EMSCRIPTEN__
#include "web_sounds.h"
#endif

int main(int argc, char** argv)
{
    int exitCode = 0;
    if (!plat::StartFromCommandLine(argc, argv, exitCode)) {
        return exitCode;
    }
#ifdef SDL_MAIN_HANDLED
    SDL_SetMainReady();
#endif
    if (!plat::EnterDataFolder()) {
        return 1;
    }
#ifdef __EMSCRIPTEN__
    plat::MakeSounds();
#endif
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        fprintf(stderr, "No display: %s\n", SDL_GetError());
        return 1;
    }
    char noCommandLine[] = "";
    int code = WinMain(GetModuleHandleA(NULL), NULL, noCommandLine, SW_SHOWDEFAULT);
    plat::FinishCommandLine();
    SDL_Quit();
    return code;
}
