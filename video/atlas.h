// Atlas rectangles as the blit takes them.
#ifndef VIDEO_ATLAS_H
#define VIDEO_ATLAS_H

#include <windows.h>

#include "video/atlas_rects.h"

// Member n, frame f of an atlas entry, as a source rectangle.
inline RECT AtlasRect(AtlasId id, int n = 0, int f = 0)
{
    AtlasBox box = AtlasMember(id, n, f);
    RECT rect = {box.left, box.top, box.right, box.bottom};
    return rect;
}

#endif
