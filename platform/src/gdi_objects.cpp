// GDI object handles, memory device contexts, bitmaps from resources and files.
#include "gdi_objects.h"

#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include "ddraw_objects.h"
#include "embedded_resources.h"
#include "platform_state.h"

namespace plat {

static std::set<GdiObject*> g_objects;
static const size_t MAX_FILE_BYTES = 64u << 20;

const EmbeddedResource* FindEmbedded(LPCSTR name, LPCSTR type);

HGDIOBJ AddGdiObject(GdiObject* object)
{
    g_objects.insert(object);
    return (HGDIOBJ)object;
}

GdiObject* FindGdiObject(HANDLE handle)
{
    auto found = g_objects.find((GdiObject*)handle);
    return found == g_objects.end() ? nullptr : *found;
}

void RemoveGdiObject(HANDLE handle)
{
    GdiObject* object = FindGdiObject(handle);
    if (object != nullptr) {
        g_objects.erase(object);
        delete object;
    }
}

HDC CreateSurfaceDc(Surface* surface)
{
    DeviceContext* dc = new DeviceContext;
    dc->surface = surface;
    return (HDC)AddGdiObject(dc);
}

void DeleteSurfaceDc(HDC dc)
{
    RemoveGdiObject(dc);
}

BYTE NearestIndex(const PALETTEENTRY* palette, BYTE red, BYTE green, BYTE blue)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; i++) {
        int dr = palette[i].peRed - red;
        int dg = palette[i].peGreen - green;
        int db = palette[i].peBlue - blue;
        int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return (BYTE)best;
}

static bool ReadWholeFile(const char* path, std::vector<BYTE>& bytes)
{
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        return false;
    }
    BYTE chunk[65536];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0 && bytes.size() <= MAX_FILE_BYTES) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    fclose(file);
    return bytes.size() <= MAX_FILE_BYTES;
}

static HANDLE BitmapFrom(bool parsed, GdiBitmap* bitmap, LPCSTR name, const std::string& error)
{
    if (parsed) {
        return AddGdiObject(bitmap);
    }
    delete bitmap;
    std::string line = std::string("LoadImage: ") + name + ": " + error + "\n";
    OutputDebugStringA(line.c_str());
    return NULL;
}

static HANDLE LoadBitmapFile(LPCSTR path)
{
    std::vector<BYTE> bytes;
    if (!ReadWholeFile(path, bytes)) {
        return NULL;
    }
    GdiBitmap* bitmap = new GdiBitmap;
    std::string error;
    bool parsed = ParseBmpFile(bytes.data(), bytes.size(), bitmap->image, error);
    return BitmapFrom(parsed, bitmap, path, error);
}

static HANDLE LoadBitmapResource(LPCSTR name)
{
    const EmbeddedResource* resource = FindEmbedded(name, RT_BITMAP);
    if (resource == nullptr) {
        return NULL;
    }
    GdiBitmap* bitmap = new GdiBitmap;
    std::string error;
    bool parsed = ParseDib(resource->data, resource->size, bitmap->image, error);
    return BitmapFrom(parsed, bitmap, name, error);
}

}  // namespace plat

using namespace plat;

// Pictures load at their own size; the game never asks for another.
HANDLE WINAPI LoadImageA(HINSTANCE, LPCSTR name, UINT type, int, int, UINT flags)
{
    if (name == NULL || type != IMAGE_BITMAP || IS_INTRESOURCE(name)) {
        return NULL;
    }
    return (flags & LR_LOADFROMFILE) ? LoadBitmapFile(name) : LoadBitmapResource(name);
}

HGDIOBJ WINAPI GetStockObject(int)
{
    static int stock;
    return (HGDIOBJ)&stock;
}

HDC WINAPI CreateCompatibleDC(HDC)
{
    if (FAILED(ForcedResult("CreateCompatibleDC"))) {
        return NULL;
    }
    return (HDC)AddGdiObject(new DeviceContext);
}

BOOL WINAPI DeleteDC(HDC dc)
{
    DeviceContext* context = GdiCast<DeviceContext>(dc);
    if (context == nullptr || context->surface != nullptr) {
        return FALSE;
    }
    RemoveGdiObject(dc);
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object)
{
    DeviceContext* context = GdiCast<DeviceContext>(dc);
    if (context == nullptr) {
        return NULL;
    }
    if (GdiBitmap* bitmap = GdiCast<GdiBitmap>(object)) {
        HGDIOBJ previous = (HGDIOBJ)context->bitmap;
        context->bitmap = bitmap;
        return previous;
    }
    if (GdiFont* font = GdiCast<GdiFont>(object)) {
        HGDIOBJ previous = (HGDIOBJ)context->font;
        context->font = font;
        return previous;
    }
    return NULL;
}

BOOL WINAPI DeleteObject(HGDIOBJ object)
{
    GdiObject* found = FindGdiObject(object);
    if (found == nullptr || dynamic_cast<DeviceContext*>(found) != nullptr) {
        return FALSE;
    }
    RemoveGdiObject(object);
    return TRUE;
}

int WINAPI GetObjectA(HANDLE object, int size, LPVOID out)
{
    GdiBitmap* bitmap = GdiCast<GdiBitmap>(object);
    if (bitmap == nullptr || out == NULL || size < (int)sizeof(BITMAP)) {
        return 0;
    }
    BITMAP* info = (BITMAP*)out;
    info->bmType = 0;
    info->bmWidth = bitmap->image.width;
    info->bmHeight = bitmap->image.height;
    info->bmWidthBytes = (bitmap->image.width + 3) & ~3;
    info->bmPlanes = 1;
    info->bmBitsPixel = 8;
    info->bmBits = bitmap->image.pixels.data();
    return sizeof(BITMAP);
}
