// The DirectDraw object, surfaces and palettes of our stand-in.
#ifndef PLATFORM_DDRAW_OBJECTS_H
#define PLATFORM_DDRAW_OBJECTS_H

#include <windows.h>
#include <ddraw.h>

#include <vector>

namespace plat {

class Palette final : public IDirectDrawPalette {
public:
    explicit Palette(const PALETTEENTRY* entries);
    ~Palette();
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetEntries(DWORD flags, DWORD base, DWORD count, LPPALETTEENTRY entries) override;
    HRESULT STDMETHODCALLTYPE SetEntries(DWORD flags, DWORD start, DWORD count, LPPALETTEENTRY entries) override;
    const PALETTEENTRY* Entries() const { return entries_; }
    // A surface that holds the palette keeps it alive.
    void AddRef() { refs_++; }

private:
    PALETTEENTRY entries_[256];
    ULONG refs_ = 1;
};

class Surface final : public IDirectDrawSurface7 {
public:
    Surface(int width, int height, DWORD caps);
    ~Surface();
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Blt(LPRECT dstRect, LPDIRECTDRAWSURFACE7 src, LPRECT srcRect, DWORD flags, LPDDBLTFX fx) override;
    HRESULT STDMETHODCALLTYPE BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE7 src, LPRECT srcRect, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Flip(LPDIRECTDRAWSURFACE7 target, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE GetAttachedSurface(LPDDSCAPS2 caps, LPDIRECTDRAWSURFACE7* out) override;
    HRESULT STDMETHODCALLTYPE GetDC(HDC* dc) override;
    HRESULT STDMETHODCALLTYPE GetSurfaceDesc(LPDDSURFACEDESC2 desc) override;
    HRESULT STDMETHODCALLTYPE Lock(LPRECT rect, LPDDSURFACEDESC2 desc, DWORD flags, HANDLE event) override;
    HRESULT STDMETHODCALLTYPE ReleaseDC(HDC dc) override;
    HRESULT STDMETHODCALLTYPE Restore() override;
    HRESULT STDMETHODCALLTYPE SetColorKey(DWORD flags, LPDDCOLORKEY key) override;
    HRESULT STDMETHODCALLTYPE SetPalette(LPDIRECTDRAWPALETTE palette) override;
    HRESULT STDMETHODCALLTYPE Unlock(LPRECT rect) override;

    void MarkLost();
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Pitch() const { return pitch_; }
    BYTE* Pixels() { return memory_.data(); }
    const BYTE* Pixels() const { return memory_.data(); }
    // The attached back buffer of a flipping primary.
    void AttachBackBuffer(Surface* back) { back_ = back; }

private:
    HRESULT CheckUsable() const;

    int width_;
    int height_;
    int pitch_;
    DWORD caps_;
    std::vector<BYTE> memory_;
    bool lost_ = false;
    bool locked_ = false;
    HDC dc_ = NULL;
    bool keyed_ = false;
    DDCOLORKEY key_ = {0, 0};
    Palette* palette_ = nullptr;
    Surface* back_ = nullptr;
};

class DirectDraw final : public IDirectDraw7 {
public:
    DirectDraw();
    ~DirectDraw();
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreatePalette(DWORD flags, LPPALETTEENTRY entries, LPDIRECTDRAWPALETTE* out, IUnknown* outer) override;
    HRESULT STDMETHODCALLTYPE CreateSurface(LPDDSURFACEDESC2 desc, LPDIRECTDRAWSURFACE7* out, IUnknown* outer) override;
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE SetDisplayMode(DWORD width, DWORD height, DWORD bpp, DWORD refreshRate, DWORD flags) override;

private:
    int modeWidth_ = 0;
    int modeHeight_ = 0;
};

// The surface behind a device context of a surface, or null for a memory one.
Surface* SurfaceOfDc(HDC dc);
HDC CreateSurfaceDc(Surface* surface);
void DeleteSurfaceDc(HDC dc);

}  // namespace plat

#endif
