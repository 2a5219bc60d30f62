// The DirectDraw object: cooperative level, the one display mode the stand-in
// offers (640 x 480 x 8), and creation of surfaces and palettes.
#include "ddraw_objects.h"
#include "display.h"
#include "platform_state.h"
#include "surface_registry.h"
#include "tool_panel.h"

SHARED_GUID extern const GUID IID_IDirectDraw7 = {0x15e65ec0, 0x3b9c, 0x11d2, {0xb9, 0x2f, 0x00, 0x60, 0x97, 0x97, 0xea, 0x5b}};

namespace plat {

static const DWORD MODE_WIDTH = 640;
static const DWORD MODE_HEIGHT = 480;
static const DWORD MODE_BPP = 8;

DirectDraw::DirectDraw() { RegisterObject(); }
DirectDraw::~DirectDraw() { UnregisterObject(); }

ULONG STDMETHODCALLTYPE DirectDraw::Release()
{
    delete this;
    return 0;
}

HRESULT STDMETHODCALLTYPE DirectDraw::SetCooperativeLevel(HWND window, DWORD flags)
{
    RETURN_IF_FORCED("SetCooperativeLevel");
    if (window == NULL && (flags & DDSCL_EXCLUSIVE)) {
        return DDERR_INVALIDPARAMS;
    }
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE DirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bpp, DWORD, DWORD)
{
    RETURN_IF_FORCED("SetDisplayMode");
    if (width != MODE_WIDTH || height != MODE_HEIGHT || bpp != MODE_BPP) {
        return DDERR_INVALIDMODE;
    }
    width += ToolPanelWidth();
    if (!g_options.headless && !DisplayEnterMode(width, height)) {
        return DDERR_INVALIDMODE;
    }
    modeWidth_ = width;
    modeHeight_ = height;
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE DirectDraw::CreateSurface(LPDDSURFACEDESC2 desc, LPDIRECTDRAWSURFACE7* out, IUnknown*)
{
    if (desc == NULL || out == NULL || (desc->dwFlags & DDSD_CAPS) == 0) {
        return DDERR_INVALIDPARAMS;
    }
    RETURN_IF_FORCED("CreateSurface");
    DWORD caps = desc->ddsCaps.dwCaps;
    if (caps & DDSCAPS_PRIMARYSURFACE) {
        if (modeWidth_ == 0) {
            return DDERR_NOEXCLUSIVEMODE;
        }
        Surface* primary = new Surface(modeWidth_, modeHeight_, caps);
        if ((caps & DDSCAPS_FLIP) && (desc->dwFlags & DDSD_BACKBUFFERCOUNT) && desc->dwBackBufferCount == 1) {
            primary->AttachBackBuffer(new Surface(modeWidth_, modeHeight_, DDSCAPS_BACKBUFFER));
        }
        *out = primary;
        return DD_OK;
    }
    bool sized = (desc->dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) == (DDSD_WIDTH | DDSD_HEIGHT);
    if (!sized || desc->dwWidth == 0 || desc->dwHeight == 0 || desc->dwWidth > 16384 || desc->dwHeight > 16384) {
        return DDERR_INVALIDPARAMS;
    }
    *out = new Surface(desc->dwWidth, desc->dwHeight, caps);
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE DirectDraw::CreatePalette(DWORD flags, LPPALETTEENTRY entries, LPDIRECTDRAWPALETTE* out,
                                                    IUnknown*)
{
    if (entries == NULL || out == NULL || (flags & DDPCAPS_8BIT) == 0) {
        return DDERR_INVALIDPARAMS;
    }
    RETURN_IF_FORCED("CreatePalette");
    *out = new Palette(entries);
    return DD_OK;
}

}  // namespace plat

HRESULT WINAPI DirectDrawCreateEx(GUID*, LPVOID* out, REFIID iid, IUnknown*)
{
    if (out == NULL || memcmp(&iid, &IID_IDirectDraw7, sizeof iid) != 0) {
        return DDERR_INVALIDPARAMS;
    }
    RETURN_IF_FORCED("DirectDrawCreateEx");
    *out = static_cast<IDirectDraw7*>(new plat::DirectDraw());
    return DD_OK;
}
