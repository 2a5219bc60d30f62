// Pixel transfer onto 8-bit surfaces: each colour takes the display palette's
// index of that colour, or of the nearest one when it has none.
#include "ddraw_objects.h"
#include "gdi_objects.h"
#include "surface_registry.h"

using namespace plat;

static Surface* SurfaceOf(HDC dc)
{
    DeviceContext* context = GdiCast<DeviceContext>(dc);
    return context != nullptr ? context->surface : nullptr;
}

// Source index to display index: a colour the display has at the same index
// keeps it, any other takes the nearest entry. No display palette: unchanged.
static void BuildColourMap(const DibImage& image, BYTE map[256])
{
    const PALETTEENTRY* palette = DisplayPalette();
    for (int i = 0; i < 256; i++) {
        const RGBQUAD& c = image.colours[i < image.colourCount ? i : 0];
        if (palette == nullptr) {
            map[i] = (BYTE)i;
        } else if (palette[i].peRed == c.rgbRed && palette[i].peGreen == c.rgbGreen && palette[i].peBlue == c.rgbBlue) {
            map[i] = (BYTE)i;
        } else {
            map[i] = NearestIndex(palette, c.rgbRed, c.rgbGreen, c.rgbBlue);
        }
    }
}

BOOL WINAPI StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                       int srcHeight, DWORD rop)
{
    Surface* surface = SurfaceOf(dst);
    DeviceContext* source = GdiCast<DeviceContext>(src);
    GdiBitmap* bitmap = source != nullptr ? GdiCast<GdiBitmap>(source->bitmap) : nullptr;
    if (surface == nullptr || bitmap == nullptr || rop != SRCCOPY || width <= 0 || height <= 0 || srcWidth <= 0 ||
        srcHeight <= 0) {
        return FALSE;
    }
    const DibImage& image = bitmap->image;
    BYTE map[256];
    BuildColourMap(image, map);
    // Nearest-neighbour scaling; pixels outside either side are left out.
    for (int row = 0; row < height; row++) {
        int ty = y + row;
        int sy = srcY + (int)((long long)row * srcHeight / height);
        if (ty < 0 || ty >= surface->Height() || sy < 0 || sy >= image.height) {
            continue;
        }
        BYTE* to = surface->Pixels() + (size_t)ty * surface->Pitch();
        const BYTE* from = &image.pixels[(size_t)sy * image.width];
        for (int col = 0; col < width; col++) {
            int tx = x + col;
            int sx = srcX + (int)((long long)col * srcWidth / width);
            if (tx >= 0 && tx < surface->Width() && sx >= 0 && sx < image.width) {
                to[tx] = map[from[sx]];
            }
        }
    }
    return TRUE;
}

static bool InsideSurface(Surface* surface, int x, int y)
{
    return surface != nullptr && x >= 0 && y >= 0 && x < surface->Width() && y < surface->Height();
}

COLORREF WINAPI GetPixel(HDC dc, int x, int y)
{
    Surface* surface = SurfaceOf(dc);
    const PALETTEENTRY* palette = DisplayPalette();
    if (!InsideSurface(surface, x, y) || palette == nullptr) {
        return CLR_INVALID;
    }
    const PALETTEENTRY& c = palette[surface->Pixels()[(size_t)y * surface->Pitch() + x]];
    return RGB(c.peRed, c.peGreen, c.peBlue);
}

COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF colour)
{
    Surface* surface = SurfaceOf(dc);
    const PALETTEENTRY* palette = DisplayPalette();
    if (!InsideSurface(surface, x, y) || palette == nullptr) {
        return CLR_INVALID;
    }
    BYTE index = NearestIndex(palette, GetRValue(colour), GetGValue(colour), GetBValue(colour));
    surface->Pixels()[(size_t)y * surface->Pitch() + x] = index;
    return RGB(palette[index].peRed, palette[index].peGreen, palette[index].peBlue);
}
