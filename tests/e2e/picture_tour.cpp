// Shows every picture through BlitImage in the real window, a line of text in
// the Japanese font and a fade stopped halfway, and asks for a screenshot of
// each: picture_tour [--window] [--scale N]. The command in TOUR_SNAPSHOT is
// run with the shot's name once that picture is on screen.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/main_window.h"
#include "platform_state.h"
#include "video/display.h"
#include "video/draw.h"

namespace {

struct Shot {
    const char* name;
    LPDIRECTDRAWSURFACE7* picture;
    RECT source;
};


void Snapshot(const std::string& name)
{
    const char* command = getenv("TOUR_SNAPSHOT");
    if (command != nullptr) {
        std::string line = std::string(command) + " " + name;
        if (system(line.c_str()) != 0) {
            fprintf(stderr, "snapshot command failed: %s\n", line.c_str());
        }
    }
}

// Draws one picture on black, centred when it is smaller than the screen.
void Show(const Shot& shot)
{
    DDBLTFX fx = {};
    fx.dwSize = sizeof fx;
    g_back->Blt(NULL, NULL, NULL, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    RECT source = shot.source;
    LONG x = (640 - (source.right - source.left)) / 2;
    LONG y = (480 - (source.bottom - source.top)) / 2;
    if (BlitImage(g_back, x, y, *shot.picture, &source, 1) != DD_OK) {
        fprintf(stderr, "%s: blit failed\n", shot.name);
    }
}

const char TEXT_LINE[] = "\x83\x4a\x83\x47\x83\x8b\x82\xcd\x92\x72\x82\xf0\x96\xda\x8e\x77\x82\xb7\x81\x42";
const char FACE[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

// Presents a few frames, drawing the whole picture anew before each flip as
// the game does (a flip leaves the older frame in the back buffer).
void PumpFrames(const Shot& shot, bool withText)
{
    for (int i = 0; i < 3; i++) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) && GetMessageA(&msg, NULL, 0, 0)) {
            DispatchMessageA(&msg);
        }
        Show(shot);
        if (withText) {
            DrawTextGdi(40, 400, TEXT_LINE, RGB(255, 255, 255), 24, FACE, 1);
        }
        FlipScreen();
    }
}

void ParseOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--window") == 0) {
            plat::g_options.windowed = true;
        } else if (strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            plat::g_options.scale = atoi(argv[++i]);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    ParseOptions(argc, argv);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        fprintf(stderr, "No display: %s\n", SDL_GetError());
        return 1;
    }
    HWND window = InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
    if (window == NULL || InitDirectDraw(window) != DD_OK) {
        return 1;
    }
    const Shot shots[] = {
        {"backimg", &g_backImg, {0, 0, 640, 480}},   {"frame", &g_frameImg, {0, 0, 640, 480}},
        {"strings", &g_stringsImg, {0, 0, 600, 480}}, {"strings2", &g_stringsImg, {0, 480, 600, 960}},
        {"strings3", &g_stringsImg, {0, 785, 600, 1265}}, {"stage", &g_stageImg, {0, 0, 640, 480}},
        {"score", &g_scoreImg, {0, 0, 640, 480}},     {"title", &g_titleImg, {0, 0, 640, 480}},
        {"prolog", &g_prologImg, {0, 0, 640, 480}},   {"prolog2", &g_prologImg, {0, 240, 640, 720}},
        {"chara", &g_charaImg, {0, 0, 456, 198}},
    };
    for (const Shot& shot : shots) {
        PumpFrames(shot, false);
        Snapshot(shot.name);
    }
    // Text in the Japanese font over the title, then a fade stopped halfway.
    const Shot& title = shots[7];
    PumpFrames(title, true);
    Snapshot("text");
    for (int step = 0; step < 6; step++) {
        FadeOut(20);
    }
    PumpFrames(title, true);
    Snapshot("fade-half");
    DestroyWindow(window);
    SDL_Quit();
    return 0;
}
