// The live DirectDraw objects and the palette the display shows.
#include "surface_registry.h"

#include <set>

#include "ddraw_objects.h"

namespace plat {

static int g_liveObjects;
static std::set<Surface*> g_surfaces;
static const PALETTEENTRY* g_displayPalette;

void RegisterObject() { g_liveObjects++; }
void UnregisterObject() { g_liveObjects--; }
int LiveObjects() { return g_liveObjects; }

void RegisterSurface(Surface* surface) { g_surfaces.insert(surface); }
void UnregisterSurface(Surface* surface) { g_surfaces.erase(surface); }

void LoseAllSurfaces()
{
    for (Surface* surface : g_surfaces) {
        surface->MarkLost();
    }
}

const PALETTEENTRY* DisplayPalette() { return g_displayPalette; }
void SetDisplayPalette(const PALETTEENTRY* entries) { g_displayPalette = entries; }

}  // namespace plat
