// Bitmap utilities: pictures into surfaces, the palette from a bitmap's
// colour table, and colour keys given as RGB colours.
#ifndef VIDEO_BITMAP_UTIL_H
#define VIDEO_BITMAP_UTIL_H

#include <windows.h>
#include <ddraw.h>

LPDIRECTDRAWSURFACE7 DDLoadBitmap(LPDIRECTDRAW7 dd, LPCSTR name, int width, int height);
HRESULT DDReloadBitmap(LPDIRECTDRAWSURFACE7 surface, LPCSTR name);
HRESULT DDCopyBitmap(LPDIRECTDRAWSURFACE7 surface, HBITMAP bitmap, int x, int y, int width, int height);
LPDIRECTDRAWPALETTE DDLoadPalette(LPDIRECTDRAW7 dd, LPCSTR name);
DWORD DDColorMatch(LPDIRECTDRAWSURFACE7 surface, COLORREF colour);
HRESULT DDSetColorKey(LPDIRECTDRAWSURFACE7 surface, COLORREF colour);

#endif
