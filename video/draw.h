// Drawing primitives of every screen: the blit, the palette fades and text.
#ifndef VIDEO_DRAW_H
#define VIDEO_DRAW_H

#include <windows.h>
#include <ddraw.h>

HRESULT BlitImage(LPDIRECTDRAWSURFACE7 dst, LONG x, LONG y, LPDIRECTDRAWSURFACE7 src, RECT* srcRect, int mode);
int FadeIn(int step);
int FadeOut(int step);
void SetPaletteBlack(void);
void DrawTextGdi(int x, int y, LPCSTR text, COLORREF colour, int height, LPCSTR faceName, BYTE italic);

// The Gothic face every line of the game's text is set in, in code page 932.
extern const char TEXT_FACE_GOTHIC[];

#endif
