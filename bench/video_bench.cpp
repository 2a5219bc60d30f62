// Drawing speed: a full board of keyed tile copies and the presentation of an
// 8-bit frame through its palette, each against SDL doing the same work.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <ddraw.h>

#include <vector>

#include "display.h"

namespace {

const int TILE = 24;
const int BOARD_W = 25;
const int BOARD_H = 19;
const BYTE KEY = 47;

// Atlas contents: a pattern in which about a third of the pixels are the key.
BYTE AtlasPixel(int x, int y)
{
    return (x * 7 + y * 3) % 3 == 0 ? KEY : (BYTE)((x + y) & 0xFF);
}

LPDIRECTDRAWSURFACE7 MakeSurface(LPDIRECTDRAW7 dd, int w, int h)
{
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    desc.dwWidth = w;
    desc.dwHeight = h;
    LPDIRECTDRAWSURFACE7 surface = nullptr;
    dd->CreateSurface(&desc, &surface, NULL);
    return surface;
}

void BM_BoardOfKeyedBltFast(benchmark::State& state)
{
    LPDIRECTDRAW7 dd = nullptr;
    DirectDrawCreateEx(NULL, (LPVOID*)&dd, IID_IDirectDraw7, NULL);
    LPDIRECTDRAWSURFACE7 atlas = MakeSurface(dd, 456, 198);
    LPDIRECTDRAWSURFACE7 back = MakeSurface(dd, 640, 480);
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    atlas->Lock(NULL, &desc, DDLOCK_WAIT, NULL);
    for (int y = 0; y < 198; y++) {
        for (int x = 0; x < 456; x++) {
            ((BYTE*)desc.lpSurface)[y * desc.lPitch + x] = AtlasPixel(x, y);
        }
    }
    atlas->Unlock(NULL);
    DDCOLORKEY key = {KEY, KEY};
    atlas->SetColorKey(DDCKEY_SRCBLT, &key);
    for (auto _ : state) {
        for (int cell = 0; cell < BOARD_W * BOARD_H; cell++) {
            int tile = cell % 19;
            RECT src = {tile * TILE, (cell % 8) * TILE, tile * TILE + TILE, (cell % 8) * TILE + TILE};
            back->BltFast(20 + (cell % BOARD_W) * TILE, 12 + (cell / BOARD_W) * TILE, atlas, &src,
                          DDBLTFAST_SRCCOLORKEY);
        }
        benchmark::ClobberMemory();
    }
    atlas->Release();
    back->Release();
    dd->Release();
}
BENCHMARK(BM_BoardOfKeyedBltFast);

SDL_Surface* MakeSdlSurface(int w, int h, SDL_Palette* palette)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_SetSurfacePalette(surface, palette);
    return surface;
}

SDL_Palette* GreyPalette()
{
    SDL_Palette* palette = SDL_AllocPalette(256);
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++) {
        colours[i] = SDL_Color{(Uint8)i, (Uint8)(255 - i), (Uint8)(i / 2), 255};
    }
    SDL_SetPaletteColors(palette, colours, 0, 256);
    return palette;
}

void BM_BoardOfKeyedSdlBlitSurface(benchmark::State& state)
{
    SDL_Palette* palette = GreyPalette();
    SDL_Surface* atlas = MakeSdlSurface(456, 198, palette);
    SDL_Surface* back = MakeSdlSurface(640, 480, palette);
    for (int y = 0; y < 198; y++) {
        for (int x = 0; x < 456; x++) {
            ((Uint8*)atlas->pixels)[y * atlas->pitch + x] = AtlasPixel(x, y);
        }
    }
    SDL_SetColorKey(atlas, SDL_TRUE, KEY);
    for (auto _ : state) {
        for (int cell = 0; cell < BOARD_W * BOARD_H; cell++) {
            int tile = cell % 19;
            SDL_Rect src = {tile * TILE, (cell % 8) * TILE, TILE, TILE};
            SDL_Rect dst = {20 + (cell % BOARD_W) * TILE, 12 + (cell / BOARD_W) * TILE, TILE, TILE};
            SDL_BlitSurface(atlas, &src, back, &dst);
        }
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(atlas);
    SDL_FreeSurface(back);
    SDL_FreePalette(palette);
}
BENCHMARK(BM_BoardOfKeyedSdlBlitSurface);

std::vector<BYTE> FrameIndices()
{
    std::vector<BYTE> indices(640 * 480);
    for (size_t i = 0; i < indices.size(); i++) {
        indices[i] = (BYTE)((i * 31) >> 4);
    }
    return indices;
}

void BM_PresentFrameThroughPalette(benchmark::State& state)
{
    std::vector<BYTE> indices = FrameIndices();
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; i++) {
        palette[i] = PALETTEENTRY{(BYTE)i, (BYTE)(255 - i), (BYTE)(i / 2), 0};
    }
    std::vector<uint32_t> out(640 * 480);
    for (auto _ : state) {
        plat::ConvertIndexedToXrgb(indices.data(), 640, 640, 480, palette, out.data(), 640);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PresentFrameThroughPalette);

void BM_PresentFrameSdlConversion(benchmark::State& state)
{
    std::vector<BYTE> indices = FrameIndices();
    SDL_Palette* palette = GreyPalette();
    SDL_Surface* frame = MakeSdlSurface(640, 480, palette);
    for (int y = 0; y < 480; y++) {
        memcpy((Uint8*)frame->pixels + y * frame->pitch, &indices[y * 640], 640);
    }
    SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_XRGB8888);
    for (auto _ : state) {
        SDL_BlitSurface(frame, NULL, out, NULL);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(frame);
    SDL_FreeSurface(out);
    SDL_FreePalette(palette);
}
BENCHMARK(BM_PresentFrameSdlConversion);

}  // namespace
