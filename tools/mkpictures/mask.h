// Shape masks: which pixels of a box a shape covers, built from boxes,
// ellipses and polygons, grown, shrunk and rounded, then painted.
#ifndef MKPICTURES_MASK_H
#define MKPICTURES_MASK_H

#include <stdint.h>
#include <vector>

#include "image8.h"

// Coordinates are those of the picture; the mask covers only its box.
struct Mask {
    AtlasBox box;
    std::vector<uint8_t> on;
};

struct Point {
    double x;
    double y;
};

Mask MakeMask(const AtlasBox& box);
bool MaskAt(const Mask& mask, int32_t x, int32_t y);
void MaskSet(Mask& mask, int32_t x, int32_t y, bool on);
int32_t MaskCount(const Mask& mask);

void MaskBox(Mask& mask, const AtlasBox& box, bool on);
// A box with its corners cut round to the radius.
void MaskRoundBox(Mask& mask, const AtlasBox& box, int32_t radius, bool on);
// Pixel centres inside the ellipse.
void MaskEllipse(Mask& mask, double cx, double cy, double rx, double ry, bool on);
// Pixel centres inside the polygon (even-odd rule).
void MaskPolygon(Mask& mask, const std::vector<Point>& points, bool on);
// A band of the given width along a line.
void MaskLine(Mask& mask, Point a, Point b, double width, bool on);
// Every pixel that is on in the other mask.
void MaskAdd(Mask& mask, const Mask& other);

// Grown or shrunk by a round brush of the radius.
Mask Dilate(const Mask& mask, int32_t radius);
Mask Erode(const Mask& mask, int32_t radius);
// Corners rounded off, then notches filled, to the radius.
Mask RoundOff(const Mask& mask, int32_t radius);
// The ring of the given width just outside the mask.
Mask Rim(const Mask& mask, int32_t width);
// The same shape moved by (dx, dy).
Mask Shifted(const Mask& mask, int32_t dx, int32_t dy);

void PaintMask(Image8& image, const Mask& mask, uint8_t ink);

#endif
