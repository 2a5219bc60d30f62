// The frog at picture size for the screens and the story: sitting and
// facing the viewer, or seen from behind, in the colours of its sprites:
// a green body lit from the upper left, a cream belly, big eyes on top.
#include "frog_figure.h"

#include <algorithm>
#include <cmath>

#include "inks.h"
#include "scene_parts.h"

static const uint8_t OUTLINE = RAMP_FROG + 1;

// A part of the frog: an ellipse in the frog's greens or another ramp.
static Mask Blob(const AtlasBox& clip, double cx, double cy, double rx, double ry)
{
    Mask mask = MakeMask(clip);
    MaskEllipse(mask, cx, cy, rx, ry, true);
    return mask;
}

static void PaintGreen(Image8& image, const Mask& mask)
{
    PaintOutlined(image, mask, RAMP_FROG, 13, 6.5, OUTLINE);
}

static void PaintEye(Image8& image, const AtlasBox& clip, double cx, double cy, double r, double look)
{
    PaintGreen(image, Blob(clip, cx, cy, r, r * 0.95));
    Mask white = Blob(clip, cx, cy + r * 0.08, r * 0.7, r * 0.68);
    PaintMask(image, Rim(white, 1), OUTLINE);
    PaintMask(image, white, INK_WHITE);
    PaintMask(image, Blob(clip, cx + look * r * 0.2, cy + r * 0.12, r * 0.34, r * 0.4), INK_BLACK);
    PaintMask(image, Blob(clip, cx + look * r * 0.2 - r * 0.12, cy - r * 0.08, r * 0.12, r * 0.12), INK_WHITE);
}

static void PaintSmile(Image8& image, const AtlasBox& clip, double cx, double y, double width, bool open)
{
    Mask mouth = MakeMask(clip);
    std::vector<Point> arc;
    for (int32_t i = 0; i <= 12; ++i) {
        double t = i / 12.0 * 2 - 1;
        arc.push_back({cx + t * width / 2, y + (1 - t * t) * width * (open ? 0.32 : 0.16)});
    }
    for (int32_t i = 11; i > 0 && open; --i) {
        double t = i / 12.0 * 2 - 1;
        arc.push_back({cx + t * width / 2, y + (1 - t * t) * width * 0.06});
    }
    if (open) {
        MaskPolygon(mouth, arc, true);
        PaintMask(image, Rim(mouth, 1), Ink(RAMP_RED, 2));
        PaintMask(image, mouth, Ink(RAMP_RED, 8));
        return;
    }
    for (size_t i = 0; i + 1 < arc.size(); ++i) {
        MaskLine(mouth, arc[i], arc[i + 1], std::max(width * 0.05, 1.2), true);
    }
    PaintMask(image, mouth, Ink(RAMP_RED, 4));
}

void PaintFrogFront(Image8& image, const AtlasBox& clip, double cx, double baseY, double size, bool cheer)
{
    double s = size;
    for (int32_t side = -1; side <= 1; side += 2) {
        PaintGreen(image, Blob(clip, cx + side * s * 0.36, baseY - s * 0.13, s * 0.2, s * 0.13));
    }
    PaintGreen(image, Blob(clip, cx, baseY - s * 0.3, s * 0.36, s * 0.3));
    Mask belly = Blob(clip, cx, baseY - s * 0.26, s * 0.22, s * 0.22);
    PaintLit(image, belly, RAMP_GOLD, 15, 11);
    PaintGreen(image, Blob(clip, cx, baseY - s * 0.6, s * 0.46, s * 0.26));
    for (int32_t side = -1; side <= 1; side += 2) {
        PaintEye(image, clip, cx + side * s * 0.25, baseY - s * 0.8, s * 0.15, 0.5);
        PaintMask(image, Blob(clip, cx + side * s * 0.32, baseY - s * 0.55, s * 0.07, s * 0.04), Ink(RAMP_RED, 12));
    }
    PaintSmile(image, clip, cx, baseY - s * 0.56, s * 0.34, cheer);
    PaintGreen(image, Blob(clip, cx - s * 0.17, baseY - s * 0.04, s * 0.09, s * 0.055));
    if (!cheer) {
        PaintGreen(image, Blob(clip, cx + s * 0.17, baseY - s * 0.04, s * 0.09, s * 0.055));
        return;
    }
    Mask arm = MakeMask(clip);
    MaskLine(arm, {cx + s * 0.3, baseY - s * 0.34}, {cx + s * 0.56, baseY - s * 0.66}, s * 0.1, true);
    PaintGreen(image, arm);
    Mask hand = MakeMask(clip);
    for (int32_t finger = -1; finger <= 1; ++finger) {
        MaskEllipse(hand, cx + s * (0.6 + finger * 0.06), baseY - s * (0.74 - std::abs(finger) * 0.02), s * 0.04,
                    s * 0.05, true);
    }
    MaskEllipse(hand, cx + s * 0.58, baseY - s * 0.68, s * 0.07, s * 0.05, true);
    PaintGreen(image, hand);
}

// A webbed foot: three toes fanning out from the heel at (x, y).
static void PaintFoot(Image8& image, const AtlasBox& clip, double x, double y, double s, double dir)
{
    Mask foot = MakeMask(clip);
    for (int32_t toe = -1; toe <= 1; ++toe) {
        double tx = x + dir * s * (0.1 + 0.02 * toe) + toe * s * 0.05;
        MaskLine(foot, {x, y}, {tx, y + s * 0.02 * (toe + 1)}, s * 0.045, true);
        MaskEllipse(foot, tx, y + s * 0.02 * (toe + 1), s * 0.03, s * 0.03, true);
    }
    PaintGreen(image, foot);
}

void PaintFrogBack(Image8& image, const AtlasBox& clip, double cx, double baseY, double size)
{
    double s = size;
    Mask stick = MakeMask(clip);
    MaskLine(stick, {cx + s * 0.12, baseY - s * 0.42}, {cx + s * 0.52, baseY - s * 1.0}, std::max(s * 0.04, 1.5), true);
    PaintOutlined(image, stick, RAMP_WOOD, 9, 5, Ink(RAMP_WOOD, 1));
    PaintFoot(image, clip, cx - s * 0.3, baseY - s * 0.03, s, -1);
    PaintFoot(image, clip, cx + s * 0.3, baseY - s * 0.1, s, 1);
    PaintGreen(image, Blob(clip, cx - s * 0.3, baseY - s * 0.16, s * 0.16, s * 0.14));
    PaintGreen(image, Blob(clip, cx + s * 0.3, baseY - s * 0.22, s * 0.16, s * 0.14));
    PaintGreen(image, Blob(clip, cx, baseY - s * 0.36, s * 0.4, s * 0.3));
    PaintGreen(image, Blob(clip, cx, baseY - s * 0.6, s * 0.34, s * 0.18));
    for (int32_t side = -1; side <= 1; side += 2) {
        PaintGreen(image, Blob(clip, cx + side * s * 0.2, baseY - s * 0.76, s * 0.13, s * 0.11));
        PaintMask(image, Blob(clip, cx + side * s * 0.2 - s * 0.04, baseY - s * 0.8, s * 0.03, s * 0.025),
                  Ink(RAMP_FROG, 14));
    }
    Mask spots = MakeMask(clip);
    MaskEllipse(spots, cx - s * 0.14, baseY - s * 0.4, s * 0.06, s * 0.05, true);
    MaskEllipse(spots, cx + s * 0.12, baseY - s * 0.3, s * 0.05, s * 0.04, true);
    MaskEllipse(spots, cx + s * 0.02, baseY - s * 0.52, s * 0.04, s * 0.03, true);
    PaintMask(image, spots, Ink(RAMP_FROG, 6));
    PaintGreen(image, Blob(clip, cx + s * 0.31, baseY - s * 0.62, s * 0.075, s * 0.065));
    Mask bundle = Blob(clip, cx + s * 0.52, baseY - s * 0.92, s * 0.17, s * 0.15);
    PaintOutlined(image, bundle, RAMP_RED, 12, 7, Ink(RAMP_RED, 1));
    Mask knot = Blob(clip, cx + s * 0.52, baseY - s * 1.05, s * 0.06, s * 0.04);
    PaintOutlined(image, knot, RAMP_RED, 10, 7, Ink(RAMP_RED, 1));
}
