// A 256-entry palette; the one attached to the primary is what the screen shows.
#include "ddraw_objects.h"
#include "surface_registry.h"

namespace plat {

Palette::Palette(const PALETTEENTRY* entries)
{
    memcpy(entries_, entries, sizeof entries_);
    RegisterObject();
}

Palette::~Palette()
{
    if (DisplayPalette() == entries_) {
        SetDisplayPalette(nullptr);
    }
    UnregisterObject();
}

ULONG STDMETHODCALLTYPE Palette::Release()
{
    if (--refs_ > 0) {
        return refs_;
    }
    delete this;
    return 0;
}

static bool InRange(DWORD first, DWORD count, LPPALETTEENTRY entries)
{
    return entries != NULL && first < 256 && count <= 256 - first;
}

HRESULT STDMETHODCALLTYPE Palette::GetEntries(DWORD, DWORD base, DWORD count, LPPALETTEENTRY entries)
{
    if (!InRange(base, count, entries)) {
        return DDERR_INVALIDPARAMS;
    }
    memcpy(entries, entries_ + base, count * sizeof(PALETTEENTRY));
    return DD_OK;
}

HRESULT STDMETHODCALLTYPE Palette::SetEntries(DWORD, DWORD start, DWORD count, LPPALETTEENTRY entries)
{
    if (!InRange(start, count, entries)) {
        return DDERR_INVALIDPARAMS;
    }
    memcpy(entries_ + start, entries, count * sizeof(PALETTEENTRY));
    return DD_OK;
}

}  // namespace plat
