// The frog at picture size for the screens and the story: sitting and
// facing the viewer, or seen from behind, in the colours of its sprites.
#ifndef MKPICTURES_FROG_FIGURE_H
#define MKPICTURES_FROG_FIGURE_H

#include "mask.h"

// Sitting with its feet on baseY, centred on cx; size is its height.
// cheer opens the mouth in a smile and raises one hand.
void PaintFrogFront(Image8& image, const AtlasBox& clip, double cx, double baseY, double size, bool cheer);
// Walking away from the viewer with a bundle on a stick over its shoulder.
void PaintFrogBack(Image8& image, const AtlasBox& clip, double cx, double baseY, double size);

#endif
