// GDI objects of our stand-in: bitmaps, fonts and device contexts, with the
// nearest-colour rule every transfer onto an 8-bit surface follows.
#ifndef PLATFORM_GDI_OBJECTS_H
#define PLATFORM_GDI_OBJECTS_H

#include <windows.h>

#include "bmp_reader.h"

namespace plat {

class Surface;

struct GdiObject {
    virtual ~GdiObject() = default;
};

struct GdiBitmap : GdiObject {
    DibImage image;
};

struct GdiFont : GdiObject {
    LOGFONTA description;
};

struct DeviceContext : GdiObject {
    Surface* surface = nullptr;  // null for a memory context
    GdiBitmap* bitmap = nullptr;
    GdiFont* font = nullptr;
    COLORREF textColour = 0;
    int backgroundMode = 2;
};

// Takes ownership; the handle is valid until deleted.
HGDIOBJ AddGdiObject(GdiObject* object);
// The live object behind a handle, or null.
template <typename T>
T* GdiCast(HANDLE handle);
GdiObject* FindGdiObject(HANDLE handle);
void RemoveGdiObject(HANDLE handle);

template <typename T>
T* GdiCast(HANDLE handle)
{
    return dynamic_cast<T*>(FindGdiObject(handle));
}

// The entry of `palette` nearest to the colour (first of equals).
BYTE NearestIndex(const PALETTEENTRY* palette, BYTE red, BYTE green, BYTE blue);

}  // namespace plat

#endif
