// Display set-up, release, restore after a loss, and the flip of each frame.
#include "video/display.h"

#include <cstdarg>
#include <cstdio>

#include "video/bitmap_util.h"

LPDIRECTDRAW7 g_dd;
LPDIRECTDRAWSURFACE7 g_primary;
LPDIRECTDRAWSURFACE7 g_back;
LPDIRECTDRAWPALETTE g_palette;
PALETTEENTRY g_paletteTarget[256];

LPDIRECTDRAWSURFACE7 g_backImg;
LPDIRECTDRAWSURFACE7 g_frameImg;
LPDIRECTDRAWSURFACE7 g_stringsImg;
LPDIRECTDRAWSURFACE7 g_stageImg;
LPDIRECTDRAWSURFACE7 g_scoreImg;
LPDIRECTDRAWSURFACE7 g_titleImg;
LPDIRECTDRAWSURFACE7 g_prologImg;
LPDIRECTDRAWSURFACE7 g_charaImg;

// The colour of the keyed pictures' background, (20, 140, 92).
static const COLORREF KEY_COLOUR = RGB(20, 140, 92);

// The eight pictures in loading, restoring and releasing order.
struct ImageSurface {
    LPDIRECTDRAWSURFACE7* surface;
    LPCSTR bitmap;
    int keyed;
    LPCSTR okLine;
    LPCSTR failMessage;
};

static const ImageSurface IMAGE_SURFACES[] = {
    {&g_backImg, "BACKIMG", 0, "DDLoadBitmap BackImage OK\n", "DDLoadBitmap BackImage FAILED"},
    {&g_frameImg, "FRAME", 1, "DDLoadBitmap FrameImage OK\n", "DDLoadBitmap FrameImage FAILED"},
    {&g_stringsImg, "STRINGS", 1, "DDLoadBitmap StringsOK\n", "DDLoadBitmap Strings FAILED"},
    {&g_stageImg, "STAGE", 1, "DDLoadBitmap StageOK\n", "DDLoadBitmap Stage FAILED"},
    {&g_scoreImg, "SCORE", 1, "DDLoadBitmap ScoreOK\n", "DDLoadBitmap Score FAILED"},
    {&g_titleImg, "TITLE", 1, "DDLoadBitmap Title OK\n", "DDLoadBitmap Title FAILED"},
    {&g_prologImg, "PROLOG", 0, "DDLoadBitmap Prolog OK\n", "DDLoadBitmap Prolog FAILED"},
    {&g_charaImg, "CHARA", 1, "DDLoadBitmap Chara OK\n", "DDLoadBitmap Chara FAILED"},
};
static const int IMAGE_SURFACE_COUNT = sizeof IMAGE_SURFACES / sizeof IMAGE_SURFACES[0];

static HRESULT CreateFlippingPrimary(void)
{
    DDSURFACEDESC2 desc;
    ZeroMemory(&desc, sizeof desc);
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    desc.dwBackBufferCount = 1;
    return g_dd->CreateSurface(&desc, &g_primary, NULL);
}

static HRESULT AttachBackBuffer(void)
{
    DDSCAPS2 caps;
    ZeroMemory(&caps, sizeof caps);
    caps.dwCaps = DDSCAPS_BACKBUFFER;
    return g_primary->GetAttachedSurface(&caps, &g_back);
}

// Loads every picture into its own surface; the first that fails ends set-up.
static HRESULT LoadImageSurfaces(HWND window)
{
    for (int i = 0; i < IMAGE_SURFACE_COUNT; i++) {
        const ImageSurface& image = IMAGE_SURFACES[i];
        *image.surface = DDLoadBitmap(g_dd, image.bitmap, 0, 0);
        if (*image.surface == NULL) {
            return InitFail(window, E_FAIL, image.failMessage);
        }
        OutputDebugStringA(image.okLine);
        if (image.keyed) {
            DDSetColorKey(*image.surface, KEY_COLOUR);
        }
    }
    return DD_OK;
}

HRESULT InitDirectDraw(HWND window)
{
    HRESULT result = DirectDrawCreateEx(NULL, (LPVOID*)&g_dd, IID_IDirectDraw7, NULL);
    if (result != DD_OK) {
        return InitFail(window, result, "DirectDrawCreateEx FAILED");
    }
    OutputDebugStringA("DirectDrawCreateEx OK\n");

    result = g_dd->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT);
    if (result != DD_OK) {
        return InitFail(window, result, "SetCooperativeLevel FAILED");
    }

    result = g_dd->SetDisplayMode(640, 480, 8, 0, 0);
    if (result != DD_OK) {
        return InitFail(window, result, "SetDisplayMode FAILED");
    }
    OutputDebugStringA("SetDisplayMode OK\n");

    result = CreateFlippingPrimary();
    if (result != DD_OK) {
        return InitFail(window, result, "CreateSurface FAILED");
    }
    OutputDebugStringA("CreateSurface OK\n");

    result = AttachBackBuffer();
    if (result != DD_OK) {
        return InitFail(window, result, "GetAttachedSurface FAILED");
    }
    OutputDebugStringA("GetAttachedSurface OK\n");

    g_palette = DDLoadPalette(g_dd, "CHARA");
    if (g_palette == NULL) {
        return InitFail(window, E_FAIL, "SetPalette FAILED");
    }
    OutputDebugStringA("SetPalette OK\n");

    result = g_primary->SetPalette(g_palette);
    if (result != DD_OK) {
        return InitFail(window, result, "SetPalette FAILED");
    }
    OutputDebugStringA("SetPalette OK\n");

    result = LoadImageSurfaces(window);
    if (result != DD_OK) {
        return result;
    }

    g_palette->GetEntries(0, 0, 256, g_paletteTarget);
    return DD_OK;
}

HRESULT InitFail(HWND window, HRESULT result, LPCSTR format, ...)
{
    char text[128];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);

    ReleaseAllObjects();
    MessageBoxA(window, text, "2D Game Sample", MB_OK);
    DestroyWindow(window);
    return result;
}

static void ReleaseSurface(LPDIRECTDRAWSURFACE7* surface)
{
    if (*surface != NULL) {
        (*surface)->Release();
        *surface = NULL;
    }
}

void ReleaseAllObjects(void)
{
    if (g_dd == NULL) {
        return;
    }
    // The back buffer is part of the primary's flipping chain and goes with it.
    ReleaseSurface(&g_primary);
    g_back = NULL;
    for (int i = 0; i < IMAGE_SURFACE_COUNT; i++) {
        ReleaseSurface(IMAGE_SURFACES[i].surface);
    }
    if (g_palette != NULL) {
        g_palette->Release();
        g_palette = NULL;
    }
    g_dd->Release();
    g_dd = NULL;
}

// The pictures are copied in by nearest colour, so they are reloaded against
// the full palette even when a loss comes in the middle of a fade; the faded
// palette is put back before the frame is shown.
HRESULT RestoreAllSurfaces(void)
{
    HRESULT result = g_primary->Restore();
    if (result != DD_OK) {
        return result;
    }
    PALETTEENTRY shown[256];
    g_palette->GetEntries(0, 0, 256, shown);
    g_palette->SetEntries(0, 0, 256, g_paletteTarget);
    for (int i = 0; i < IMAGE_SURFACE_COUNT; i++) {
        const ImageSurface& image = IMAGE_SURFACES[i];
        result = (*image.surface)->Restore();
        if (result == DD_OK) {
            DDReloadBitmap(*image.surface, image.bitmap);
        }
    }
    g_palette->SetEntries(0, 0, 256, shown);
    return result;
}

void FlipScreen(void)
{
    for (;;) {
        HRESULT result = g_primary->Flip(NULL, 0);
        if (result == DDERR_SURFACELOST) {
            g_primary->Restore();
            return;
        }
        if (result != DDERR_WASSTILLDRAWING) {
            return;
        }
    }
}
