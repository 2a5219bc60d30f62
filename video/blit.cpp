// The one blit of every screen: a rectangle of a picture into the back buffer,
// repairing lost surfaces on the way.
#include "video/draw.h"

#include "video/display.h"

static const DWORD BLIT_MODE_FLAGS[2] = {DDBLTFAST_NOCOLORKEY, DDBLTFAST_SRCCOLORKEY};

HRESULT BlitImage(LPDIRECTDRAWSURFACE7 dst, LONG x, LONG y, LPDIRECTDRAWSURFACE7 src, RECT* srcRect, int mode)
{
    for (;;) {
        HRESULT result = dst->BltFast((DWORD)x, (DWORD)y, src, srcRect, BLIT_MODE_FLAGS[mode != 0]);
        if (result == DD_OK) {
            return DD_OK;
        }
        if (result == DDERR_SURFACELOST) {
            // This picture is missing from this frame only.
            return RestoreAllSurfaces();
        }
        if (result != DDERR_WASSTILLDRAWING) {
            return result;
        }
    }
}
