// Fonts and text on a surface's device context, drawn by our FreeType renderer.
#include "ddraw_objects.h"
#include "font_render.h"
#include "gdi_objects.h"
#include "surface_registry.h"

using namespace plat;

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* description)
{
    if (description == NULL) {
        return NULL;
    }
    GdiFont* font = new GdiFont;
    font->description = *description;
    font->description.lfFaceName[LF_FACESIZE - 1] = '\0';
    return (HFONT)AddGdiObject(font);
}

int WINAPI SetBkMode(HDC dc, int mode)
{
    DeviceContext* context = GdiCast<DeviceContext>(dc);
    if (context == nullptr) {
        return 0;
    }
    int previous = context->backgroundMode;
    context->backgroundMode = mode;
    return previous;
}

COLORREF WINAPI SetTextColor(HDC dc, COLORREF colour)
{
    DeviceContext* context = GdiCast<DeviceContext>(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    COLORREF previous = context->textColour;
    context->textColour = colour;
    return previous;
}

// Text is always drawn without a box behind it, the only way the game uses.
BOOL WINAPI TextOutA(HDC dc, int x, int y, LPCSTR text, int length)
{
    DeviceContext* context = GdiCast<DeviceContext>(dc);
    const PALETTEENTRY* palette = DisplayPalette();
    if (context == nullptr || context->surface == nullptr || text == NULL || palette == nullptr) {
        return FALSE;
    }
    GdiFont* font = GdiCast<GdiFont>(context->font);
    FontRequest request;
    request.height = font != nullptr ? font->description.lfHeight : 0;
    request.weight = font != nullptr ? font->description.lfWeight : FW_NORMAL;
    request.italic = font != nullptr && font->description.lfItalic != 0;
    request.faceCp932 = font != nullptr ? font->description.lfFaceName : "";
    Surface* surface = context->surface;
    IndexedCanvas canvas{surface->Pixels(), surface->Width(), surface->Height(), surface->Pitch()};
    COLORREF c = context->textColour;
    BYTE index = NearestIndex(palette, GetRValue(c), GetGValue(c), GetBValue(c));
    return RenderText(request, canvas, x, y, text, length, index) ? TRUE : FALSE;
}
