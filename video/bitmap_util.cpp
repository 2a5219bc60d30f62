// Bitmap utilities. Each picture is looked for as a resource of this program
// first and as a file of that name second; GDI converts its colours to the
// display palette on the way into a surface.
#include "video/bitmap_util.h"

#include <cstdio>

// The bitmap of that name, from the resources or else from a file.
static HBITMAP FindBitmap(LPCSTR name, int width, int height)
{
    HBITMAP bitmap = (HBITMAP)LoadImageA(GetModuleHandleA(NULL), name, IMAGE_BITMAP, width, height,
                                         LR_CREATEDIBSECTION);
    if (bitmap == NULL) {
        bitmap = (HBITMAP)LoadImageA(NULL, name, IMAGE_BITMAP, width, height,
                                     LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    }
    return bitmap;
}

LPDIRECTDRAWSURFACE7 DDLoadBitmap(LPDIRECTDRAW7 dd, LPCSTR name, int width, int height)
{
    HBITMAP bitmap = FindBitmap(name, width, height);
    if (bitmap == NULL) {
        return NULL;
    }
    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);

    DDSURFACEDESC2 desc;
    ZeroMemory(&desc, sizeof desc);
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    desc.dwWidth = info.bmWidth;
    desc.dwHeight = info.bmHeight;
    LPDIRECTDRAWSURFACE7 surface = NULL;
    if (dd->CreateSurface(&desc, &surface, NULL) != DD_OK) {
        DeleteObject(bitmap);
        return NULL;
    }
    DDCopyBitmap(surface, bitmap, 0, 0, 0, 0);
    DeleteObject(bitmap);
    return surface;
}

HRESULT DDReloadBitmap(LPDIRECTDRAWSURFACE7 surface, LPCSTR name)
{
    HBITMAP bitmap = FindBitmap(name, 0, 0);
    if (bitmap == NULL) {
        OutputDebugStringA("handle is null\n");
        return E_FAIL;
    }
    HRESULT result = DDCopyBitmap(surface, bitmap, 0, 0, 0, 0);
    if (result != DD_OK) {
        OutputDebugStringA("ddcopybitmap failed\n");
    }
    DeleteObject(bitmap);
    return result;
}

HRESULT DDCopyBitmap(LPDIRECTDRAWSURFACE7 surface, HBITMAP bitmap, int x, int y, int width, int height)
{
    if (bitmap == NULL || surface == NULL) {
        return E_FAIL;
    }
    // A lost surface must be restored before it can be written.
    surface->Restore();

    HDC imageDc = CreateCompatibleDC(NULL);
    if (imageDc == NULL) {
        OutputDebugStringA("createcompatible dc failed\n");
    }
    SelectObject(imageDc, bitmap);

    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);
    if (width == 0) {
        width = info.bmWidth;
    }
    if (height == 0) {
        height = info.bmHeight;
    }

    DDSURFACEDESC2 desc;
    ZeroMemory(&desc, sizeof desc);
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_HEIGHT | DDSD_WIDTH;
    surface->GetSurfaceDesc(&desc);

    HDC surfaceDc;
    HRESULT result = surface->GetDC(&surfaceDc);
    if (result == DD_OK) {
        StretchBlt(surfaceDc, 0, 0, desc.dwWidth, desc.dwHeight, imageDc, x, y, width, height, SRCCOPY);
        surface->ReleaseDC(surfaceDc);
    }
    DeleteDC(imageDc);
    return result;
}

// The default colours: a cube of 8 reds, 8 greens and 4 blues.
static void FillColourCube(PALETTEENTRY entries[256])
{
    for (int i = 0; i < 256; i++) {
        entries[i].peRed = (BYTE)(((i >> 5) & 7) * 255 / 7);
        entries[i].peGreen = (BYTE)(((i >> 2) & 7) * 255 / 7);
        entries[i].peBlue = (BYTE)((i & 3) * 255 / 3);
        entries[i].peFlags = 0;
    }
}

// Colours a bitmap header announces; 0 when it has no usable colour table.
static int ColourCount(const BITMAPINFOHEADER* header)
{
    if (header->biSize < 40 || header->biBitCount > 8) {
        return 0;
    }
    int count = header->biClrUsed != 0 ? (int)header->biClrUsed : 1 << header->biBitCount;
    return count > 256 ? 256 : count;
}

static void ColoursFromResource(HRSRC resource, PALETTEENTRY entries[256])
{
    const BYTE* data = (const BYTE*)LockResource(LoadResource(NULL, resource));
    if (data == NULL) {
        OutputDebugStringA("lock resource failed\n");
        return;
    }
    // A damaged resource too short for its header or its colours gives none.
    DWORD size = SizeofResource(NULL, resource);
    const BITMAPINFOHEADER* header = (const BITMAPINFOHEADER*)data;
    if (size < sizeof *header || size < header->biSize ||
        (size - header->biSize) / sizeof(RGBQUAD) < (DWORD)ColourCount(header)) {
        OutputDebugStringA("palette resource too short\n");
        return;
    }
    const RGBQUAD* table = (const RGBQUAD*)(data + header->biSize);
    for (int i = 0; i < ColourCount(header); i++) {
        entries[i].peRed = table[i].rgbRed;
        entries[i].peGreen = table[i].rgbGreen;
        entries[i].peBlue = table[i].rgbBlue;
        entries[i].peFlags = 0;
    }
}

static void ColoursFromFile(LPCSTR name, PALETTEENTRY entries[256])
{
    FILE* file = fopen(name, "rb");
    if (file == NULL) {
        return;
    }
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER header;
    ZeroMemory(&header, sizeof header);
    fread(&fileHeader, sizeof fileHeader, 1, file);
    fread(&header, sizeof header, 1, file);
    fread(entries, sizeof(PALETTEENTRY), 256, file);
    fclose(file);

    int count = 0;
    if (header.biSize == 40 && header.biBitCount <= 8) {
        count = header.biClrUsed != 0 ? (int)header.biClrUsed : 1 << header.biBitCount;
    }
    // The table is stored blue first: swap to red first.
    for (int i = 0; i < count && i < 256; i++) {
        BYTE blue = entries[i].peRed;
        entries[i].peRed = entries[i].peBlue;
        entries[i].peBlue = blue;
    }
}

LPDIRECTDRAWPALETTE DDLoadPalette(LPDIRECTDRAW7 dd, LPCSTR name)
{
    PALETTEENTRY entries[256];
    FillColourCube(entries);
    if (name != NULL) {
        HRSRC resource = FindResourceA(NULL, name, RT_BITMAP);
        if (resource != NULL) {
            ColoursFromResource(resource, entries);
        } else {
            ColoursFromFile(name, entries);
        }
    }
    LPDIRECTDRAWPALETTE palette = NULL;
    if (dd->CreatePalette(DDPCAPS_8BIT, entries, &palette, NULL) != DD_OK) {
        return NULL;
    }
    return palette;
}

DWORD DDColorMatch(LPDIRECTDRAWSURFACE7 surface, COLORREF colour)
{
    DWORD result = CLR_INVALID;
    COLORREF saved = 0;
    HDC dc;
    if (colour != CLR_INVALID && surface->GetDC(&dc) == DD_OK) {
        saved = GetPixel(dc, 0, 0);
        SetPixel(dc, 0, 0, colour);
        surface->ReleaseDC(dc);
    }

    DDSURFACEDESC2 desc;
    ZeroMemory(&desc, sizeof desc);
    desc.dwSize = sizeof desc;
    HRESULT locked;
    while ((locked = surface->Lock(NULL, &desc, 0, NULL)) == DDERR_WASSTILLDRAWING) {
    }
    if (locked == DD_OK) {
        result = *(DWORD*)desc.lpSurface;
        if (desc.ddpfPixelFormat.dwRGBBitCount < 32) {
            result &= (1u << desc.ddpfPixelFormat.dwRGBBitCount) - 1;
        }
        surface->Unlock(NULL);
    }

    if (colour != CLR_INVALID && surface->GetDC(&dc) == DD_OK) {
        SetPixel(dc, 0, 0, saved);
        surface->ReleaseDC(dc);
    }
    return result;
}

HRESULT DDSetColorKey(LPDIRECTDRAWSURFACE7 surface, COLORREF colour)
{
    DDCOLORKEY key;
    key.dwColorSpaceLowValue = DDColorMatch(surface, colour);
    key.dwColorSpaceHighValue = key.dwColorSpaceLowValue;
    return surface->SetColorKey(DDCKEY_SRCBLT, &key);
}
