// Surfaces: 8-bit pixel memory with a colour key, the fast blit, colour fill,
// locking, device contexts, loss and restore, and the flip of the primary.
#include <algorithm>

#include "ddraw_objects.h"
#include "display.h"
#include "platform_state.h"
#include "surface_registry.h"

namespace plat {

// Rows are padded to 4 bytes, and the memory has 4 spare bytes, so that a
// 32-bit read at the start of any surface stays inside it.
Surface::Surface(int width, int height, DWORD caps)
    : width_(width), height_(height), pitch_((width + 3) & ~3), caps_(caps),
      memory_((size_t)pitch_ * height + 4, 0)
{
    RegisterObject();
    RegisterSurface(this);
}

Surface::~Surface()
{
    if (palette_ != nullptr) {
        palette_->Release();
    }
    delete back_;
    UnregisterSurface(this);
    UnregisterObject();
}

ULONG STDMETHODCALLTYPE Surface::Release()
{
    delete this;
    return 0;
}

void Surface::MarkLost()
{
    lost_ = true;
}

HRESULT Surface::CheckUsable() const
{
    if (lost_) {
        return DDERR_SURFACELOST;
    }
    if (locked_ || dc_ != NULL) {
        return DDERR_SURFACEBUSY;
    }
    return DD_OK;
}

static bool RectIsInside(const RECT& r, int width, int height)
{
    return r.left < r.right && r.top < r.bottom && r.left >= 0 && r.top >= 0 && r.right <= width &&
           r.bottom <= height;
}

HRESULT STDMETHODCALLTYPE Surface::BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE7 source, LPRECT srcRect,
                                           DWORD flags)
{
    Surface* src = static_cast<Surface*>(source);
    if (src == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    HRESULT usable = CheckUsable();
    if (usable == DD_OK) {
        usable = src->CheckUsable();
    }
    if (usable != DD_OK) {
        return usable;
    }
    RECT r = srcRect != NULL ? *srcRect : RECT{0, 0, src->width_, src->height_};
    if (!RectIsInside(r, src->width_, src->height_)) {
        return DDERR_INVALIDRECT;
    }
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    if (x > (DWORD)width_ || y > (DWORD)height_ || (int)x + w > width_ || (int)y + h > height_) {
        return DDERR_INVALIDRECT;
    }
    if (!g_seam.pixelWork) {
        return DD_OK;
    }
    const BYTE* from = src->Pixels() + (size_t)r.top * src->pitch_ + r.left;
    BYTE* to = Pixels() + (size_t)y * pitch_ + x;
    bool keyed = (flags & DDBLTFAST_SRCCOLORKEY) != 0 && src->keyed_;
    if (!keyed) {
        for (int row = 0; row < h; row++) {
            memmove(to + (size_t)row * pitch_, from + (size_t)row * src->pitch_, w);
        }
        return DD_OK;
    }
    // The game's keys are single values; a range is honoured all the same.
    BYTE low = (BYTE)src->key_.dwColorSpaceLowValue;
    BYTE span = (BYTE)(src->key_.dwColorSpaceHighValue - src->key_.dwColorSpaceLowValue);
    for (int row = 0; row < h; row++) {
        const BYTE* s = from + (size_t)row * src->pitch_;
        BYTE* d = to + (size_t)row * pitch_;
        for (int i = 0; i < w; i++) {
            BYTE p = s[i];
            d[i] = (BYTE)(p - low) <= span ? d[i] : p;
        }
    }
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::Blt(LPRECT dstRect, LPDIRECTDRAWSURFACE7 src, LPRECT, DWORD flags,
                                       LPDDBLTFX fx)
{
    if ((flags & DDBLT_COLORFILL) == 0 || src != NULL || fx == NULL) {
        return DDERR_UNSUPPORTED;
    }
    HRESULT usable = CheckUsable();
    if (usable != DD_OK) {
        return usable;
    }
    RECT r = dstRect != NULL ? *dstRect : RECT{0, 0, width_, height_};
    if (!RectIsInside(r, width_, height_)) {
        return DDERR_INVALIDRECT;
    }
    for (int row = r.top; row < r.bottom; row++) {
        memset(Pixels() + (size_t)row * pitch_ + r.left, (BYTE)fx->dwFillColor, r.right - r.left);
    }
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::Flip(LPDIRECTDRAWSURFACE7, DWORD)
{
    if (back_ == nullptr) {
        return DDERR_NOTFOUND;
    }
    if (lost_ || back_->lost_) {
        return DDERR_SURFACELOST;
    }
    RETURN_IF_FORCED("Flip");
    if (!DisplayFrameSlotReady()) {
        return DDERR_WASSTILLDRAWING;
    }
    memory_.swap(back_->memory_);
    const PALETTEENTRY* colours = palette_ != nullptr ? palette_->Entries() : DisplayPalette();
    DisplayPresent(Pixels(), pitch_, width_, height_, colours);
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::GetAttachedSurface(LPDDSCAPS2 caps, LPDIRECTDRAWSURFACE7* out)
{
    if (caps == NULL || out == NULL) {
        return DDERR_INVALIDPARAMS;
    }
    RETURN_IF_FORCED("GetAttachedSurface");
    if ((caps->dwCaps & DDSCAPS_BACKBUFFER) == 0 || back_ == nullptr) {
        return DDERR_NOTFOUND;
    }
    *out = back_;
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::GetDC(HDC* dc)
{
    if (dc == NULL) {
        return DDERR_INVALIDPARAMS;
    }
    HRESULT usable = CheckUsable();
    if (usable != DD_OK) {
        return usable == DDERR_SURFACEBUSY && dc_ != NULL ? DDERR_DCALREADYCREATED : usable;
    }
    RETURN_IF_FORCED("GetDC");
    dc_ = CreateSurfaceDc(this);
    *dc = dc_;
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::ReleaseDC(HDC dc)
{
    if (dc == NULL || dc != dc_) {
        return DDERR_INVALIDPARAMS;
    }
    DeleteSurfaceDc(dc_);
    dc_ = NULL;
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::GetSurfaceDesc(LPDDSURFACEDESC2 desc)
{
    if (desc == NULL) {
        return DDERR_INVALIDPARAMS;
    }
    memset(desc, 0, sizeof *desc);
    desc->dwSize = sizeof *desc;
    desc->dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc->dwWidth = width_;
    desc->dwHeight = height_;
    desc->lPitch = pitch_;
    desc->ddsCaps.dwCaps = caps_;
    desc->ddpfPixelFormat.dwSize = sizeof desc->ddpfPixelFormat;
    desc->ddpfPixelFormat.dwFlags = DDPF_PALETTEINDEXED8;
    desc->ddpfPixelFormat.dwRGBBitCount = 8;
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::Lock(LPRECT rect, LPDDSURFACEDESC2 desc, DWORD, HANDLE)
{
    if (desc == NULL || rect != NULL) {
        return DDERR_INVALIDPARAMS;
    }
    HRESULT usable = CheckUsable();
    if (usable != DD_OK) {
        return usable;
    }
    RETURN_IF_FORCED("Lock");
    GetSurfaceDesc(desc);
    desc->dwFlags |= DDSD_LPSURFACE;
    desc->lpSurface = Pixels();
    locked_ = true;
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::Unlock(LPRECT)
{
    if (!locked_) {
        return DDERR_NOTLOCKED;
    }
    locked_ = false;
    return DD_OK;
}

// A restored surface comes back with its memory cleared: its picture is gone
// until the game reloads it.
HRESULT STDMETHODCALLTYPE Surface::Restore()
{
    RETURN_IF_FORCED("Restore");
    if (lost_) {
        std::fill(memory_.begin(), memory_.end(), 0);
        lost_ = false;
    }
    if (back_ != nullptr) {
        back_->Restore();
    }
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::SetColorKey(DWORD flags, LPDDCOLORKEY key)
{
    if (flags != DDCKEY_SRCBLT) {
        return DDERR_UNSUPPORTED;
    }
    keyed_ = key != NULL;
    if (key != NULL) {
        key_ = *key;
    }
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Surface::SetPalette(LPDIRECTDRAWPALETTE palette)
{
    RETURN_IF_FORCED("SetPalette");
    Palette* next = static_cast<Palette*>(palette);
    if (next != nullptr) {
        next->AddRef();
    }
    if (palette_ != nullptr) {
        palette_->Release();
    }
    palette_ = next;
    if (caps_ & DDSCAPS_PRIMARYSURFACE) {
        SetDisplayPalette(next != nullptr ? next->Entries() : nullptr);
    }
    return DD_OK;
}

}  // namespace plat
