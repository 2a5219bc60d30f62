// Shape masks: which pixels of a box a shape covers, built from boxes,
// ellipses and polygons, grown, shrunk and rounded, then painted.
#include "mask.h"

#include <algorithm>
#include <cmath>

Mask MakeMask(const AtlasBox& box)
{
    Mask mask;
    mask.box = box;
    mask.on.assign(static_cast<size_t>(box.right - box.left) * (box.bottom - box.top), 0);
    return mask;
}

static bool InBox(const AtlasBox& box, int32_t x, int32_t y)
{
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

static size_t At(const Mask& mask, int32_t x, int32_t y)
{
    return static_cast<size_t>(y - mask.box.top) * (mask.box.right - mask.box.left) + (x - mask.box.left);
}

bool MaskAt(const Mask& mask, int32_t x, int32_t y)
{
    return InBox(mask.box, x, y) && mask.on[At(mask, x, y)] != 0;
}

void MaskSet(Mask& mask, int32_t x, int32_t y, bool on)
{
    if (InBox(mask.box, x, y)) {
        mask.on[At(mask, x, y)] = on ? 1 : 0;
    }
}

int32_t MaskCount(const Mask& mask)
{
    return static_cast<int32_t>(std::count(mask.on.begin(), mask.on.end(), 1));
}

void MaskBox(Mask& mask, const AtlasBox& box, bool on)
{
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            MaskSet(mask, x, y, on);
        }
    }
}

void MaskRoundBox(Mask& mask, const AtlasBox& box, int32_t radius, bool on)
{
    double r = radius;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            double px = x + 0.5;
            double py = y + 0.5;
            double cx = std::min(std::max(px, box.left + r), box.right - r);
            double cy = std::min(std::max(py, box.top + r), box.bottom - r);
            if ((px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r) {
                MaskSet(mask, x, y, on);
            }
        }
    }
}

void MaskEllipse(Mask& mask, double cx, double cy, double rx, double ry, bool on)
{
    for (int32_t y = static_cast<int32_t>(std::floor(cy - ry)); y <= static_cast<int32_t>(cy + ry); ++y) {
        for (int32_t x = static_cast<int32_t>(std::floor(cx - rx)); x <= static_cast<int32_t>(cx + rx); ++x) {
            double dx = (x + 0.5 - cx) / rx;
            double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) {
                MaskSet(mask, x, y, on);
            }
        }
    }
}

void MaskPolygon(Mask& mask, const std::vector<Point>& points, bool on)
{
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        double py = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < points.size(); ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % points.size()];
            if ((a.y <= py) != (b.y <= py)) {
                crossings.push_back(a.x + (py - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int32_t from = static_cast<int32_t>(std::ceil(crossings[i] - 0.5));
            int32_t to = static_cast<int32_t>(std::ceil(crossings[i + 1] - 0.5));
            for (int32_t x = from; x < to; ++x) {
                MaskSet(mask, x, y, on);
            }
        }
    }
}

void MaskLine(Mask& mask, Point a, Point b, double width, bool on)
{
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0.0) {
        MaskEllipse(mask, a.x, a.y, width / 2, width / 2, on);
        return;
    }
    double nx = -dy / length * width / 2;
    double ny = dx / length * width / 2;
    MaskPolygon(mask, {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}, on);
}

void MaskAdd(Mask& mask, const Mask& other)
{
    for (int32_t y = other.box.top; y < other.box.bottom; ++y) {
        for (int32_t x = other.box.left; x < other.box.right; ++x) {
            if (MaskAt(other, x, y)) {
                MaskSet(mask, x, y, true);
            }
        }
    }
}

// The brush: offsets within the radius, a little fuller than a true circle
// so that small radii stay round rather than diamond-shaped.
static std::vector<Point> Brush(int32_t radius)
{
    std::vector<Point> offsets;
    for (int32_t dy = -radius; dy <= radius; ++dy) {
        for (int32_t dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius + radius / 2) {
                offsets.push_back({static_cast<double>(dx), static_cast<double>(dy)});
            }
        }
    }
    return offsets;
}

Mask Dilate(const Mask& mask, int32_t radius)
{
    Mask grown = MakeMask(InsetBox(mask.box, -radius));
    std::vector<Point> brush = Brush(radius);
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            if (!MaskAt(mask, x, y)) {
                continue;
            }
            for (const Point& o : brush) {
                MaskSet(grown, x + static_cast<int32_t>(o.x), y + static_cast<int32_t>(o.y), true);
            }
        }
    }
    return grown;
}

Mask Erode(const Mask& mask, int32_t radius)
{
    Mask shrunk = MakeMask(mask.box);
    std::vector<Point> brush = Brush(radius);
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            bool all = MaskAt(mask, x, y);
            for (size_t i = 0; all && i < brush.size(); ++i) {
                all = MaskAt(mask, x + static_cast<int32_t>(brush[i].x), y + static_cast<int32_t>(brush[i].y));
            }
            MaskSet(shrunk, x, y, all);
        }
    }
    return shrunk;
}

static Mask Cropped(const Mask& mask, const AtlasBox& box)
{
    Mask cut = MakeMask(box);
    MaskAdd(cut, mask);
    return cut;
}

Mask RoundOff(const Mask& mask, int32_t radius)
{
    if (radius <= 0) {
        return mask;
    }
    Mask opened = Cropped(Dilate(Erode(mask, radius), radius), mask.box);
    return Cropped(Erode(Dilate(opened, radius), radius), mask.box);
}

Mask Rim(const Mask& mask, int32_t width)
{
    Mask rim = Dilate(mask, width);
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            if (MaskAt(mask, x, y)) {
                MaskSet(rim, x, y, false);
            }
        }
    }
    return rim;
}

Mask Shifted(const Mask& mask, int32_t dx, int32_t dy)
{
    Mask moved = mask;
    moved.box = {mask.box.left + dx, mask.box.top + dy, mask.box.right + dx, mask.box.bottom + dy};
    return moved;
}

void PaintMask(Image8& image, const Mask& mask, uint8_t ink)
{
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            if (MaskAt(mask, x, y)) {
                PutPixel(image, x, y, ink);
            }
        }
    }
}
