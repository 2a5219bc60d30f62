// The live DirectDraw objects: the display palette, the surfaces to mark lost,
// and the count the seam reports.
#ifndef PLATFORM_SURFACE_REGISTRY_H
#define PLATFORM_SURFACE_REGISTRY_H

#include <windows.h>

namespace plat {

class Surface;

void RegisterObject();
void UnregisterObject();
int LiveObjects();

void RegisterSurface(Surface* surface);
void UnregisterSurface(Surface* surface);
void LoseAllSurfaces();

// The palette the display shows: the one attached to the primary surface,
// or null before one is attached.
const PALETTEENTRY* DisplayPalette();
void SetDisplayPalette(const PALETTEENTRY* entries);

}  // namespace plat

#endif
