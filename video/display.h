// The display: DirectDraw object, flipping primary and back buffer, the one
// palette and the eight picture surfaces, with their set-up, restore and flip.
#ifndef VIDEO_DISPLAY_H
#define VIDEO_DISPLAY_H

#include <windows.h>
#include <ddraw.h>

extern LPDIRECTDRAW7 g_dd;
extern LPDIRECTDRAWSURFACE7 g_primary;
extern LPDIRECTDRAWSURFACE7 g_back;
extern LPDIRECTDRAWPALETTE g_palette;
extern PALETTEENTRY g_paletteTarget[256];

extern LPDIRECTDRAWSURFACE7 g_backImg;
extern LPDIRECTDRAWSURFACE7 g_frameImg;
extern LPDIRECTDRAWSURFACE7 g_stringsImg;
extern LPDIRECTDRAWSURFACE7 g_stageImg;
extern LPDIRECTDRAWSURFACE7 g_scoreImg;
extern LPDIRECTDRAWSURFACE7 g_titleImg;
extern LPDIRECTDRAWSURFACE7 g_prologImg;
extern LPDIRECTDRAWSURFACE7 g_charaImg;

HRESULT InitDirectDraw(HWND window);
HRESULT InitFail(HWND window, HRESULT result, LPCSTR format, ...);
void ReleaseAllObjects(void);
HRESULT RestoreAllSurfaces(void);
void FlipScreen(void);

#endif
