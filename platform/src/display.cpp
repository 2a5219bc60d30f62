// The real screen on SDL: the 640 x 480 picture through its palette, scaled by
// the largest whole factor that fits, centred on black, at 60 frames a second.
#include "display.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "key_recorder.h"
#include "key_replay.h"
#include "platform_state.h"
#include "seam_state.h"
#ifdef __EMSCRIPTEN__
#include "web_frame.h"
#endif

namespace plat {

static SDL_Window* g_window;
static SDL_Renderer* g_renderer;
static SDL_Texture* g_texture;
static int g_pictureWidth = 640;
static int g_pictureHeight = 480;
static std::vector<uint32_t> g_xrgb;
static bool g_fullscreen;

static const double FRAME_SECONDS = 1.0 / 60.0;
static Uint64 g_nextSlot;

void ResetDisplayPacing()
{
    g_nextSlot = 0;
}

// The time pacing runs on: the seam's clock in tests, the precise counter live.
static double NowSeconds()
{
    if (g_seam.active) {
        return g_seam.ticks / 1000.0;
    }
    return (double)SDL_GetPerformanceCounter() / (double)SDL_GetPerformanceFrequency();
}

bool DisplayFrameSlotReady()
{
    if (g_seam.active && !g_seam.framePacing) {
        return true;
    }
    double now = NowSeconds();
    double next = g_nextSlot / 1e6;
    if (now + 0.0005 < next) {
        // Far from the slot: give the core back instead of spinning.
        if (!g_seam.active && next - now > 0.002) {
            SDL_Delay(1);
        }
        return false;
    }
    // Late frames do not pile up: the next slot is counted from now at worst.
    double following = std::max(next + FRAME_SECONDS, now + FRAME_SECONDS * 0.5);
    g_nextSlot = (Uint64)(following * 1e6);
    return true;
}

bool DisplayOpen(const char* title, int width, int height)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "No display: %s\n", SDL_GetError());
        return false;
    }
    int scale = g_options.scale > 0 ? g_options.scale : 1;
    SDL_Rect place = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width * scale, height * scale};
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    // Full screen from the start: born over the whole first display.
    if (!g_options.windowed && SDL_GetDisplayBounds(0, &place) == 0) {
        flags |= SDL_WINDOW_BORDERLESS;
        g_fullscreen = true;
    }
    g_window = SDL_CreateWindow(title, place.x, place.y, place.w, place.h, flags);
    if (g_window == NULL) {
        fprintf(stderr, "Cannot open the window: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetWindowAlwaysOnTop(g_window, SDL_TRUE);
    return true;
}

void DisplayShow()
{
    SDL_ShowWindow(g_window);
    SDL_RaiseWindow(g_window);
}

void DisplayClose()
{
    if (g_texture != NULL) {
        SDL_DestroyTexture(g_texture);
        g_texture = NULL;
    }
    if (g_renderer != NULL) {
        SDL_DestroyRenderer(g_renderer);
        g_renderer = NULL;
    }
    if (g_window != NULL) {
        SDL_DestroyWindow(g_window);
        g_window = NULL;
    }
}

SDL_Window* DisplayWindow()
{
    return g_window;
}

// Vsync only where the display refreshes at 60 Hz or more; pacing holds 60.
static Uint32 RendererFlags()
{
    SDL_DisplayMode mode;
    int display = SDL_GetWindowDisplayIndex(g_window);
    bool fastEnough = SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate >= 60;
    return fastEnough ? SDL_RENDERER_PRESENTVSYNC : 0;
}

// Full screen is a borderless window over the whole display at the desktop's
// own mode: it needs no mode switch and no window manager to honour it.
static void EnterFullscreen()
{
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(g_window), &bounds) != 0) {
        return;
    }
    SDL_SetWindowBordered(g_window, SDL_FALSE);
    SDL_SetWindowSize(g_window, bounds.w, bounds.h);
    SDL_SetWindowPosition(g_window, bounds.x, bounds.y);
    g_fullscreen = true;
}

bool DisplayEnterMode(int width, int height)
{
    g_pictureWidth = width;
    g_pictureHeight = height;
    if (g_renderer == NULL) {
        g_renderer = SDL_CreateRenderer(g_window, -1, RendererFlags());
    }
    if (g_renderer == NULL) {
        fprintf(stderr, "Cannot draw in the window: %s\n", SDL_GetError());
        return false;
    }
    g_texture = SDL_CreateTexture(g_renderer, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    g_xrgb.assign((size_t)width * height, 0);
    return g_texture != NULL;
}

void DisplayToggleFullscreen()
{
    if (g_window == NULL) {
        return;
    }
#ifdef __EMSCRIPTEN__
    // In the browser the page switches full screen itself, within the key's
    // own event as browsers require; the canvas keeps its size.
    return;
#endif
    if (!DisplayIsFullscreen()) {
        EnterFullscreen();
        return;
    }
    g_fullscreen = false;
    SDL_SetWindowBordered(g_window, SDL_TRUE);
    int scale = g_options.scale > 0 ? g_options.scale : 1;
    SDL_SetWindowSize(g_window, g_pictureWidth * scale, g_pictureHeight * scale);
    SDL_SetWindowPosition(g_window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

bool DisplayIsFullscreen()
{
    return g_window != NULL && g_fullscreen;
}

void DisplayHideCursor()
{
    SDL_ShowCursor(SDL_DISABLE);
}

void ConvertIndexedToXrgb(const BYTE* indices, int pitch, int width, int height, const PALETTEENTRY* palette,
                          uint32_t* out, int outPitchPixels)
{
    uint32_t colours[256];
    for (int i = 0; i < 256; i++) {
        colours[i] = (uint32_t)palette[i].peRed << 16 | (uint32_t)palette[i].peGreen << 8 | palette[i].peBlue;
    }
    for (int y = 0; y < height; y++) {
        const BYTE* from = indices + (size_t)y * pitch;
        uint32_t* to = out + (size_t)y * outPitchPixels;
        // Eight indices per load, so that no store can be taken to change
        // them: the table lookups are then the whole cost.
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            uint64_t eight;
            memcpy(&eight, from + x, sizeof eight);
            eight = SDL_SwapLE64(eight);
            for (int i = 0; i < 8; i++) {
                to[x + i] = colours[(eight >> (8 * i)) & 0xFF];
            }
        }
        for (; x < width; x++) {
            to[x] = colours[from[x]];
        }
    }
}

// The largest whole scale that fits the window's drawable area, centred.
static SDL_Rect PictureRect()
{
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(g_renderer, &w, &h);
    int scale = std::max(1, std::min(w / g_pictureWidth, h / g_pictureHeight));
    SDL_Rect rect = {(w - g_pictureWidth * scale) / 2, (h - g_pictureHeight * scale) / 2, g_pictureWidth * scale,
                     g_pictureHeight * scale};
    return rect;
}

bool DisplayWindowToPicture(int* x, int* y)
{
    if (g_renderer == NULL || g_window == NULL) {
        return false;
    }
    // Mouse positions come in window points, the renderer draws in pixels.
    int windowW = 0;
    int windowH = 0;
    int outputW = 0;
    int outputH = 0;
    SDL_GetWindowSize(g_window, &windowW, &windowH);
    SDL_GetRendererOutputSize(g_renderer, &outputW, &outputH);
    if (windowW <= 0 || windowH <= 0) {
        return false;
    }
    SDL_Rect rect = PictureRect();
    int px = *x * outputW / windowW;
    int py = *y * outputH / windowH;
    *x = (px - rect.x) * g_pictureWidth / rect.w;
    *y = (py - rect.y) * g_pictureHeight / rect.h;
    return true;
}

void DisplayPresent(const BYTE* indices, int pitch, int width, int height, const PALETTEENTRY* palette)
{
    static const PALETTEENTRY BLACK[256] = {};
    const PALETTEENTRY* colours = palette != nullptr ? palette : BLACK;
    RecordFrame(indices, pitch, width, height, colours);
    RecordHeldKeys(colours);
    AdvanceKeyReplay(colours);
    if (g_renderer == NULL || g_texture == NULL || width != g_pictureWidth || height != g_pictureHeight) {
        return;
    }
    ConvertIndexedToXrgb(indices, pitch, width, height, colours, g_xrgb.data(), width);
    SDL_UpdateTexture(g_texture, NULL, g_xrgb.data(), width * 4);
    SDL_SetRenderDrawColor(g_renderer, 0, 0, 0, 255);
    SDL_RenderClear(g_renderer);
    SDL_Rect rect = PictureRect();
    SDL_RenderCopy(g_renderer, g_texture, NULL, &rect);
    SDL_RenderPresent(g_renderer);
#ifdef __EMSCRIPTEN__
    WebFrameShown();
#endif
}

}  // namespace plat
