// Pieces the scene pictures are painted from: lit shapes, leaves, trees,
// clouds, houses, water and lily pads, each in the game palette's ramps and
// clipped to the mask or box it is given.
#ifndef MKPICTURES_SCENE_PARTS_H
#define MKPICTURES_SCENE_PARTS_H

#include "inks.h"
#include "mask.h"

// Fills the mask with the ramp, light falling from the top left: shade
// `light` at the top-left corner of the mask's box, `dark` at the bottom
// right, dithered.
void PaintLit(Image8& image, const Mask& mask, InkRamp ramp, double light, double dark);
// A lit shape with a dark outline of one pixel around it.
void PaintOutlined(Image8& image, const Mask& mask, InkRamp ramp, double light, double dark, uint8_t outline);

// A pointed leaf from base to tip, with its midrib.
void PaintLeaf(Image8& image, const AtlasBox& clip, Point base, Point tip, double width, InkRamp ramp,
               uint8_t outline);
// A five-petal flower, petals of the given radius around (cx, cy).
void PaintFlower(Image8& image, const AtlasBox& clip, double cx, double cy, double radius, InkRamp ramp);

// A cloud of overlapping puffs, its lower part in the darker shade.
void PaintCloud(Image8& image, const AtlasBox& clip, double cx, double cy, double width, InkRamp ramp,
                int32_t light, int32_t dark);

struct TreeLook {
    InkRamp crown;
    int32_t light;
    int32_t dark;
    uint8_t outline;    // 0 for none (far trees)
    double lean;        // crown shift to the right per unit of height, for wind
};

// A tree standing at (x, groundY): trunk and a crown of puffs, size its height.
void PaintTree(Image8& image, const AtlasBox& clip, double x, double groundY, double size, const TreeLook& look,
               int32_t seed);
// A row of crowns filling the box up to a bumpy top edge, or, hanging,
// down to a bumpy bottom edge (a canopy seen from below).
void PaintTreeLine(Image8& image, const AtlasBox& box, int32_t bump, InkRamp ramp, double top, double bottom,
                   bool hanging, int32_t seed);

struct HouseLook {
    InkRamp wall;
    InkRamp roof;
    bool lit;           // windows glowing
};

// A house on the ground line: walls, pitched roof, door and two windows.
void PaintHouse(Image8& image, const AtlasBox& clip, int32_t left, int32_t groundY, int32_t width, int32_t height,
                const HouseLook& look);

// Water over the box, shade `top` at its top to `bottom`, with ripples.
void PaintWater(Image8& image, const AtlasBox& box, InkRamp ramp, double top, double bottom, int32_t seed);
// A lily pad seen from the side, its notch towards the viewer.
void PaintLilyPad(Image8& image, const AtlasBox& clip, double cx, double cy, double radius);
// A clump of reeds standing on baseY from x rightwards, the taller ones
// with cattail heads; tall is the height of the tallest.
void PaintReeds(Image8& image, const AtlasBox& clip, double x, double baseY, int32_t count, double tall,
                int32_t seed);
// The pond seen from above, filling the box: dark water with rings of
// ripples, floating lily pads (some in flower) and fallen leaves.
void PaintPondFromAbove(Image8& image, const AtlasBox& box, int32_t seed);

#endif
