// Message boxes: always on stderr, and as a real dialog when there is a display.
#include <SDL.h>

#include <cstdio>

#include "display.h"
#include "platform_state.h"
#include "seam_state.h"

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    const char* shownText = text != NULL ? text : "";
    const char* shownCaption = caption != NULL ? caption : "Error";
    fprintf(stderr, "%s: %s\n", shownCaption, shownText);
    if (plat::g_seam.active) {
        plat::RecordMessageBox(shownCaption, shownText);
    } else if (!plat::g_options.headless) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, shownCaption, shownText, plat::DisplayWindow());
    }
    return 1;  // IDOK
}
