// Pieces the scene pictures are painted from: lit shapes, leaves, trees,
// clouds, houses, water and lily pads, each in the game palette's ramps and
// clipped to the mask or box it is given.
#include "scene_parts.h"

#include <algorithm>
#include <cmath>

#include "paint.h"

static const double PI = 3.14159265358979;

// The leaf ramp stops at shade 14: its 15th entry is the key colour.
static int32_t TopShade(InkRamp ramp)
{
    return ramp == RAMP_LEAF ? 14 : 15;
}

void PaintLit(Image8& image, const Mask& mask, InkRamp ramp, double light, double dark)
{
    double w = std::max(mask.box.right - mask.box.left, 1);
    double h = std::max(mask.box.bottom - mask.box.top, 1);
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            if (MaskAt(mask, x, y)) {
                double t = ((x - mask.box.left) / w + 2 * (y - mask.box.top) / h) / 3;
                PutPixel(image, x, y, DitherShade(ramp, light + (dark - light) * t, x, y, 0, TopShade(ramp)));
            }
        }
    }
}

void PaintOutlined(Image8& image, const Mask& mask, InkRamp ramp, double light, double dark, uint8_t outline)
{
    PaintMask(image, Rim(mask, 1), outline);
    PaintLit(image, mask, ramp, light, dark);
}

void PaintLeaf(Image8& image, const AtlasBox& clip, Point base, Point tip, double width, InkRamp ramp,
               uint8_t outline)
{
    double dx = tip.x - base.x;
    double dy = tip.y - base.y;
    double length = std::sqrt(dx * dx + dy * dy);
    double nx = -dy / length;
    double ny = dx / length;
    std::vector<Point> edge;
    for (int32_t i = 0; i <= 16; ++i) {
        double t = i / 16.0;
        double half = width / 2 * std::sin(PI * std::pow(t, 0.8));
        edge.push_back({base.x + dx * t + nx * half, base.y + dy * t + ny * half});
    }
    for (int32_t i = 15; i > 0; --i) {
        double t = i / 16.0;
        double half = width / 2 * std::sin(PI * std::pow(t, 0.8));
        edge.push_back({base.x + dx * t - nx * half, base.y + dy * t - ny * half});
    }
    Mask leaf = MakeMask(clip);
    MaskPolygon(leaf, edge, true);
    PaintOutlined(image, leaf, ramp, 13, 6, outline);
    if (length > 8) {
        Mask rib = MakeMask(clip);
        MaskLine(rib, base, {base.x + dx * 0.7, base.y + dy * 0.7}, 1, true);
        PaintMask(image, rib, Ink(ramp, 5));
    }
}

void PaintFlower(Image8& image, const AtlasBox& clip, double cx, double cy, double radius, InkRamp ramp)
{
    Mask petals = MakeMask(clip);
    for (int32_t i = 0; i < 5; ++i) {
        double a = -PI / 2 + i * 2 * PI / 5;
        MaskEllipse(petals, cx + std::cos(a) * radius, cy + std::sin(a) * radius, radius * 0.8, radius * 0.8, true);
    }
    PaintOutlined(image, petals, ramp, 15, 11, Ink(ramp, 4));
    Mask heart = MakeMask(clip);
    MaskEllipse(heart, cx, cy, radius * 0.55, radius * 0.55, true);
    PaintMask(image, heart, Ink(RAMP_GOLD, 13));
}

void PaintCloud(Image8& image, const AtlasBox& clip, double cx, double cy, double width, InkRamp ramp,
                int32_t light, int32_t dark)
{
    Mask cloud = MakeMask(clip);
    static const double puffs[5][3] = {{-0.36, 0.05, 0.2}, {-0.15, -0.1, 0.27}, {0.1, -0.16, 0.3},
                                       {0.32, -0.02, 0.22}, {0.0, 0.08, 0.22}};
    for (const auto& p : puffs) {
        MaskEllipse(cloud, cx + p[0] * width, cy + p[1] * width, p[2] * width, p[2] * width * 0.8, true);
    }
    MaskBox(cloud, {clip.left, static_cast<int32_t>(cy + width * 0.14), clip.right, clip.bottom}, false);
    double top = cy - width * 0.4;
    double span = width * 0.54;
    for (int32_t y = cloud.box.top; y < cloud.box.bottom; ++y) {
        double t = std::min(std::max((y - top) / span, 0.0), 1.0);
        for (int32_t x = cloud.box.left; x < cloud.box.right; ++x) {
            if (MaskAt(cloud, x, y)) {
                PutPixel(image, x, y, DitherShade(ramp, light + (dark - light) * t * t, x, y, 0, TopShade(ramp)));
            }
        }
    }
}

// The crown's puffs, back to front: each with a lit crescent towards the
// upper left and a shaded one towards the lower right.
static AtlasBox Within(const AtlasBox& box, const AtlasBox& clip)
{
    AtlasBox cut = {std::max(box.left, clip.left), std::max(box.top, clip.top), std::min(box.right, clip.right),
                    std::min(box.bottom, clip.bottom)};
    cut.right = std::max(cut.right, cut.left);
    cut.bottom = std::max(cut.bottom, cut.top);
    return cut;
}

struct Puff {
    Mask mask;
    int32_t depth;      // how far the crescents reach
    double bottom;      // lower puffs lie behind the upper ones
};

static void PaintPuff(Image8& image, const Puff& p, const TreeLook& look)
{
    const Mask& puff = p.mask;
    int32_t d = p.depth;
    double mid = (look.light + look.dark) / 2.0;
    for (int32_t y = puff.box.top; y < puff.box.bottom; ++y) {
        for (int32_t x = puff.box.left; x < puff.box.right; ++x) {
            if (!MaskAt(puff, x, y)) {
                continue;
            }
            double shade = !MaskAt(puff, x + d, y + d) ? look.dark : !MaskAt(puff, x - d, y - d) ? look.light : mid;
            PutPixel(image, x, y, DitherShade(look.crown, shade, x, y, 0, TopShade(look.crown)));
        }
    }
}

static void PaintCrown(Image8& image, const AtlasBox& clip, const std::vector<Puff>& puffs, const TreeLook& look)
{
    Mask crown = MakeMask(clip);
    for (const Puff& puff : puffs) {
        MaskAdd(crown, puff.mask);
    }
    if (look.outline != 0) {
        PaintMask(image, Rim(crown, 1), look.outline);
    }
    for (const Puff& puff : puffs) {
        PaintPuff(image, puff, look);
    }
}

void PaintTree(Image8& image, const AtlasBox& clip, double x, double groundY, double size, const TreeLook& look,
               int32_t seed)
{
    double trunk = std::max(size * 0.09, 2.0);
    double crownY = groundY - size * 0.62;
    double crownX = x + look.lean * size * 0.6;
    Mask wood = MakeMask(clip);
    MaskPolygon(wood, {{x - trunk * 1.5, groundY}, {x - trunk, groundY - trunk}, {crownX - trunk * 0.6, crownY},
                       {crownX + trunk * 0.6, crownY}, {x + trunk, groundY - trunk}, {x + trunk * 1.5, groundY}},
                true);
    if (look.outline != 0) {
        PaintOutlined(image, wood, RAMP_WOOD, 8, 3, look.outline);
    } else {
        PaintLit(image, wood, RAMP_WOOD, look.dark * 0.6, look.dark * 0.4);
    }
    std::vector<Puff> puffs;
    for (int32_t i = 0; i < 9; ++i) {
        double a = i * 2.4 + Noise(i, seed, 3) / 255.0;
        double reach = i == 8 ? 0 : 0.1 + (i % 3) * 0.06;
        double r = size * (0.13 + Noise(i, seed, 4) / 255.0 * 0.07) * (i == 8 ? 1.4 : 1);
        double cy = crownY + std::sin(a) * size * reach - (i > 5) * size * 0.05;
        double cx = crownX + std::cos(a) * size * reach * 1.3;
        AtlasBox around = {static_cast<int32_t>(cx - r) - 1, static_cast<int32_t>(cy - r) - 1,
                           static_cast<int32_t>(cx + r) + 2, static_cast<int32_t>(cy + r) + 2};
        Puff puff = {MakeMask(Within(around, clip)), std::max(static_cast<int32_t>(r * 0.35), 1), cy + r};
        MaskEllipse(puff.mask, cx, cy, r, r * 0.9, true);
        puffs.push_back(puff);
    }
    std::sort(puffs.begin(), puffs.end(), [](const Puff& a, const Puff& b) { return a.bottom > b.bottom; });
    PaintCrown(image, clip, puffs, look);
}

static Mask Flipped(const Mask& mask)
{
    Mask flipped = MakeMask(mask.box);
    for (int32_t y = mask.box.top; y < mask.box.bottom; ++y) {
        for (int32_t x = mask.box.left; x < mask.box.right; ++x) {
            MaskSet(flipped, x, mask.box.top + mask.box.bottom - 1 - y, MaskAt(mask, x, y));
        }
    }
    return flipped;
}

void PaintTreeLine(Image8& image, const AtlasBox& box, int32_t bump, InkRamp ramp, double top, double bottom,
                   bool hanging, int32_t seed)
{
    Mask line = MakeMask(box);
    for (int32_t x = box.left - bump, i = 0; x < box.right + bump; x += bump, ++i) {
        double r = bump * (0.7 + Noise(i, seed, 1) / 255.0 * 0.6);
        double cy = box.top + r + Noise(i, seed, 2) / 255.0 * (box.bottom - box.top) * 0.35;
        MaskEllipse(line, x + Noise(i, seed, 5) % bump, cy, r, r, true);
        MaskBox(line, {x, static_cast<int32_t>(cy), x + bump, box.bottom}, true);
    }
    PaintGradient(image, hanging ? Flipped(line) : line, ramp, top, bottom, 0, TopShade(ramp));
}

static void PaintWindow(Image8& image, const AtlasBox& clip, const AtlasBox& pane, bool lit)
{
    Mask glass = MakeMask(clip);
    MaskBox(glass, pane, true);
    PaintMask(image, Rim(glass, 1), Ink(RAMP_WOOD, 2));
    PaintLit(image, glass, lit ? RAMP_GOLD : RAMP_SKY, lit ? 15 : 12, lit ? 12 : 6);
    int32_t mid = (pane.left + pane.right) / 2;
    FillBox(image, {mid, pane.top, mid + 1, pane.bottom}, Ink(RAMP_WOOD, 3));
}

void PaintHouse(Image8& image, const AtlasBox& clip, int32_t left, int32_t groundY, int32_t width, int32_t height,
                const HouseLook& look)
{
    uint8_t outline = Ink(RAMP_WOOD, 0);
    int32_t eaves = groundY - height * 3 / 5;
    Mask wall = MakeMask(clip);
    MaskBox(wall, {left, eaves, left + width, groundY}, true);
    PaintOutlined(image, wall, look.wall, 13, 9, outline);
    Mask roof = MakeMask(clip);
    double over = width * 0.12;
    MaskPolygon(roof, {{left - over, eaves + 1.0}, {left + width / 2.0, groundY - height * 1.0},
                       {left + width + over, eaves + 1.0}}, true);
    PaintOutlined(image, roof, look.roof, 12, 6, outline);
    int32_t doorW = std::max(width / 5, 3);
    int32_t doorLeft = left + width / 2 - doorW / 2;
    Mask door = MakeMask(clip);
    MaskRoundBox(door, {doorLeft, groundY - (groundY - eaves) * 3 / 5, doorLeft + doorW, groundY}, doorW / 2, true);
    PaintOutlined(image, door, RAMP_WOOD, 7, 4, outline);
    int32_t pane = std::max(width / 6, 3);
    int32_t paneTop = eaves + (groundY - eaves) / 4;
    PaintWindow(image, clip, {left + width / 8, paneTop, left + width / 8 + pane, paneTop + pane}, look.lit);
    PaintWindow(image, clip, {left + width - width / 8 - pane, paneTop, left + width - width / 8, paneTop + pane},
                look.lit);
}

void PaintWater(Image8& image, const AtlasBox& box, InkRamp ramp, double top, double bottom, int32_t seed)
{
    Mask water = MakeMask(box);
    MaskBox(water, box, true);
    PaintGradient(image, water, ramp, top, bottom, 0, TopShade(ramp));
    double height = std::max(box.bottom - box.top, 1);
    for (int32_t y = box.top + 2; y < box.bottom; y += 3 + (y - box.top) / 24) {
        double near = (y - box.top) / height;
        int32_t step = static_cast<int32_t>(26 + near * 40);
        for (int32_t x = box.left + Noise(y, 0, seed) % step; x < box.right; x += step + Noise(x, y, seed) % step) {
            int32_t length = static_cast<int32_t>(3 + near * 12) + Noise(x, y, seed + 1) % 5;
            double shade = top + (bottom - top) * near + 2;
            FillBox(image, {x, y, x + length, y + 1}, Ink(ramp, std::min(static_cast<int32_t>(shade), TopShade(ramp))));
        }
    }
}

void PaintLilyPad(Image8& image, const AtlasBox& clip, double cx, double cy, double radius)
{
    Mask pad = MakeMask(clip);
    MaskEllipse(pad, cx, cy, radius, radius * 0.38, true);
    MaskPolygon(pad, {{cx, cy}, {cx - radius * 0.3, cy + radius}, {cx + radius * 0.05, cy + radius}}, false);
    PaintOutlined(image, pad, RAMP_LEAF, 12, 5, Ink(RAMP_LEAF, 1));
    Mask rim = MakeMask(clip);
    MaskEllipse(rim, cx, cy - radius * 0.05, radius * 0.8, radius * 0.22, true);
    MaskEllipse(rim, cx, cy - radius * 0.1, radius * 0.8, radius * 0.22, false);
    PaintMask(image, rim, Ink(RAMP_LEAF, 13));
}

void PaintReeds(Image8& image, const AtlasBox& clip, double x, double baseY, int32_t count, double tall,
                int32_t seed)
{
    for (int32_t i = 0; i < count; ++i) {
        double bx = x + i * 7 + Noise(i, 0, seed) % 5;
        double height = tall * (0.6 + Noise(i, 1, seed) / 255.0 * 0.4);
        double tip = bx + (Noise(i, 2, seed) % 11 - 5) * 1.5;
        Mask reed = MakeMask(clip);
        MaskLine(reed, {bx, baseY}, {tip, baseY - height}, 2.5, true);
        PaintOutlined(image, reed, RAMP_LEAF, 11, 6, Ink(RAMP_LEAF, 1));
        if (i % 2 == 0) {
            Mask head = MakeMask(clip);
            int32_t hx = static_cast<int32_t>(tip);
            int32_t hy = static_cast<int32_t>(baseY - height);
            MaskRoundBox(head, {hx - 3, hy + 4, hx + 3, hy + 4 + static_cast<int32_t>(tall / 7)}, 3, true);
            PaintOutlined(image, head, RAMP_WOOD, 8, 3, Ink(RAMP_WOOD, 0));
        }
    }
}

static void PaintRing(Image8& image, const AtlasBox& clip, double cx, double cy, double r, uint8_t ink)
{
    Mask ring = MakeMask(clip);
    MaskEllipse(ring, cx, cy, r, r * 0.6, true);
    MaskEllipse(ring, cx, cy - 1, r - 1.5, r * 0.6 - 1, false);
    PaintMask(image, ring, ink);
}

static void PaintPadFromAbove(Image8& image, const AtlasBox& clip, double cx, double cy, double r, double turn,
                              bool flower)
{
    Mask pad = MakeMask(clip);
    MaskEllipse(pad, cx, cy, r, r * 0.9, true);
    MaskPolygon(pad, {{cx, cy}, {cx + std::cos(turn - 0.25) * r * 1.2, cy + std::sin(turn - 0.25) * r * 1.2},
                      {cx + std::cos(turn + 0.25) * r * 1.2, cy + std::sin(turn + 0.25) * r * 1.2}}, false);
    PaintOutlined(image, pad, RAMP_LEAF, 11, 5, Ink(RAMP_LEAF, 1));
    for (int32_t i = 1; i < 5; ++i) {
        double a = turn + i * 1.25;
        Mask vein = MakeMask(clip);
        MaskLine(vein, {cx, cy}, {cx + std::cos(a) * r * 0.75, cy + std::sin(a) * r * 0.7}, 1, true);
        PaintMask(image, vein, Ink(RAMP_LEAF, 7));
    }
    if (flower) {
        PaintFlower(image, clip, cx - r * 0.2, cy - r * 0.2, r * 0.3, RAMP_RED);
    }
}

void PaintPondFromAbove(Image8& image, const AtlasBox& box, int32_t seed)
{
    Mask water = MakeMask(box);
    MaskBox(water, box, true);
    PaintGradient(image, water, RAMP_WATER, 5.6, 3.2, 0, 15);
    for (int32_t i = 0; i < 14; ++i) {
        double cx = box.left + Noise(i, 0, seed) * (box.right - box.left) / 255.0;
        double cy = box.top + Noise(i, 1, seed) * (box.bottom - box.top) / 255.0;
        for (int32_t k = 1; k <= 3; ++k) {
            PaintRing(image, box, cx, cy, 6.0 * k + Noise(i, 2, seed) % 6, Ink(RAMP_WATER, 7 - k));
        }
    }
    for (int32_t i = 0; i < 22; ++i) {
        double cx = box.left + Noise(i, 3, seed) * (box.right - box.left) / 255.0;
        double cy = box.top + Noise(i, 4, seed) * (box.bottom - box.top) / 255.0;
        double r = 12 + Noise(i, 5, seed) % 18;
        PaintPadFromAbove(image, box, cx, cy, r, Noise(i, 6, seed) / 40.0, i % 5 == 0);
    }
}
