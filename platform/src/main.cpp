// The program's start on this platform: reads the platform's own options,
// enters the folder the game's files are in and hands over to its WinMain.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data_folder.h"
#include "key_recorder.h"
#include "key_replay.h"
#include "platform_state.h"

static const char USAGE[] =
    "usage: %s [--window] [--scale N] [--debug] [--record FILE] [--replay FILE] [--version]\n"
    "  --window   start in a window instead of full screen (Alt+Enter toggles)\n"
    "  --scale N  window size as a whole multiple of 640 x 480\n"
    "  --debug    write the game's debug lines to stderr\n"
    "  --record FILE  write the game keys held in every frame to FILE as an input script\n"
    "  --replay FILE  play the game keys of the input script FILE, then hand over to the keyboard\n"
    "  --version  print the game's version\n";

enum ParseResult { START_GAME, DONE, BAD_OPTIONS };

static ParseResult ParseOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--version") == 0) {
            printf("frogpond %s\n", FROGPOND_VERSION);
            return DONE;
        } else if (strcmp(argv[i], "--window") == 0) {
            plat::g_options.windowed = true;
        } else if (strcmp(argv[i], "--debug") == 0) {
            plat::g_options.debug = true;
        } else if (strcmp(argv[i], "--record") == 0 && i + 1 < argc) {
            if (!plat::OpenKeyRecord(argv[++i])) {
                fprintf(stderr, "Cannot write the key record %s\n", argv[i]);
                return BAD_OPTIONS;
            }
        } else if (strcmp(argv[i], "--replay") == 0 && i + 1 < argc) {
            std::string error;
            if (!plat::OpenKeyReplay(argv[++i], error)) {
                fprintf(stderr, "Cannot play the key replay %s: %s\n", argv[i], error.c_str());
                return BAD_OPTIONS;
            }
        } else if (strcmp(argv[i], "--scale") == 0 && i + 1 < argc && atoi(argv[i + 1]) > 0) {
            plat::g_options.scale = atoi(argv[++i]);
        } else {
            fprintf(stderr, USAGE, argv[0]);
            return BAD_OPTIONS;
        }
    }
    return START_GAME;
}

int main(int argc, char** argv)
{
    ParseResult parsed = ParseOptions(argc, argv);
    if (parsed != START_GAME) {
        return parsed == DONE ? 0 : 2;
    }
#ifdef SDL_MAIN_HANDLED
    SDL_SetMainReady();
#endif
    plat::EnterDataFolder();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        fprintf(stderr, "No display: %s\n", SDL_GetError());
        return 1;
    }
    char noCommandLine[] = "";
    int code = WinMain(GetModuleHandleA(NULL), NULL, noCommandLine, SW_SHOWDEFAULT);
    plat::CloseKeyRecord();
    plat::CloseKeyReplay();
    SDL_Quit();
    return code;
}
