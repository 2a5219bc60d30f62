// CHARA placeholders of the board tiles and their 10 x 10 miniatures: each
// tile code has a look (solid block, open outline, pipe arms or belt) with
// its code and a short tag lettered on it.
#include "chara_tiles.h"

#include "inks.h"
#include "labels.h"
#include "placeholders.h"

enum TileShape { SHAPE_EMPTY, SHAPE_SOLID, SHAPE_OPEN, SHAPE_PIPE, SHAPE_WALL_PIPE, SHAPE_BELT };

// Pipe arms reaching the cell's sides, and the rims that mark a mouth.
enum {
    ARM_LEFT = 1,
    ARM_RIGHT = 2,
    ARM_UP = 4,
    ARM_DOWN = 8,
    RIM_LEFT = 16,
    RIM_RIGHT = 32,
    RIM_DOWN = 64,
    RIM_FUNNEL = 128
};

typedef void (*Decoration)(Image8& image, const AtlasBox& cell, int32_t frame);

struct TileLook {
    TileShape shape;
    uint8_t fill;
    const char* tag;
    int32_t frames;
    int32_t arms;
    Decoration decorate;
};

static void DecorateLadder(Image8& image, const AtlasBox& c, int32_t)
{
    uint8_t wood = Ink(RAMP_WOOD, 7);
    FillBox(image, {c.left + 3, c.top, c.left + 6, c.bottom}, wood);
    FillBox(image, {c.right - 6, c.top, c.right - 3, c.bottom}, wood);
    for (int32_t y = c.top + 2; y < c.bottom; y += 6) {
        FillBox(image, {c.left + 6, y, c.right - 6, y + 2}, wood);
    }
}

static void DecorateSpikes(Image8& image, const AtlasBox& c, int32_t)
{
    for (int32_t x = c.left + 3; x < c.right; x += 6) {
        for (int32_t row = 0; row < 6; ++row) {
            FillBox(image, {x - row / 2, c.top + row, x + row / 2 + 1, c.top + row + 1}, Ink(RAMP_RED, 9));
        }
    }
}

static void DecorateWheel(Image8& image, const AtlasBox& c, int32_t)
{
    for (int32_t y = 0; y < 24; ++y) {
        for (int32_t x = 0; x < 24; ++x) {
            int32_t d = (2 * x - 23) * (2 * x - 23) + (2 * y - 23) * (2 * y - 23);
            if (d >= 256 && d <= 400) {
                PutPixel(image, c.left + x, c.top + y, Ink(RAMP_METAL, 6));
            }
        }
    }
}

static void DecorateTap(Image8& image, const AtlasBox& c, int32_t)
{
    FillBox(image, {c.left + 5, c.top, c.right - 5, c.top + 6}, Ink(RAMP_METAL, 7));
    FillBox(image, {c.left + 10, c.top + 6, c.left + 14, c.top + 10}, Ink(RAMP_METAL, 7));
}

// Frame 0 leans left, 1 stands up, 2 leans right.
static void DecorateLever(Image8& image, const AtlasBox& c, int32_t frame)
{
    FillBox(image, {c.left + 7, c.bottom - 5, c.right - 7, c.bottom - 1}, Ink(RAMP_METAL, 5));
    int32_t lean = (frame - 1) * 8;
    for (int32_t t = 0; t <= 12; ++t) {
        int32_t x = c.left + 11 + lean * t / 12;
        int32_t y = c.bottom - 5 - t;
        FillBox(image, {x, y, x + 2, y + 1}, Ink(RAMP_RED, 8));
    }
}

// Frame 0 is the raised plate, frame 1 the pressed one.
static void DecoratePlate(Image8& image, const AtlasBox& c, int32_t frame)
{
    int32_t top = c.bottom - 6 + 3 * frame;
    FillBox(image, {c.left + 3, top, c.right - 3, top + 3}, Ink(RAMP_GOLD, 10));
}

static const uint8_t STONE = 8;
static const uint8_t PIPE_FILL = RAMP_METAL + 9;

static const TileLook g_tileLooks[40] = {
    {SHAPE_EMPTY, INK_KEY, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_STONE + STONE, "WALL", 1, 0, nullptr},
    {SHAPE_OPEN, RAMP_WOOD + 7, "LADR", 1, 0, DecorateLadder},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_LEFT | ARM_RIGHT | RIM_LEFT, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_LEFT | ARM_RIGHT, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_LEFT | ARM_RIGHT | RIM_RIGHT, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_RIGHT | ARM_DOWN, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_LEFT | ARM_DOWN, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_UP | ARM_RIGHT, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_UP | ARM_LEFT, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_UP | ARM_DOWN | RIM_FUNNEL, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_UP | ARM_DOWN, nullptr},
    {SHAPE_PIPE, PIPE_FILL, "", 1, ARM_UP | ARM_DOWN | RIM_DOWN, nullptr},
    {SHAPE_WALL_PIPE, RAMP_STONE + STONE, "", 1, ARM_LEFT | ARM_RIGHT, nullptr},
    {SHAPE_WALL_PIPE, RAMP_STONE + STONE, "", 1, ARM_UP | ARM_DOWN, nullptr},
    {SHAPE_SOLID, RAMP_STONE + 11, "WIN", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_STONE + 5, "SPIK", 1, 0, DecorateSpikes},
    {SHAPE_OPEN, RAMP_METAL + 6, "WHEL", 1, 0, DecorateWheel},
    {SHAPE_SOLID, RAMP_STONE + 5, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_EARTH + 6, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_LEAF + 6, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_WOOD + 5, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_METAL + 5, "PORT", 1, 0, nullptr},
    {SHAPE_BELT, RAMP_METAL + 3, "<", 3, 0, nullptr},
    {SHAPE_BELT, RAMP_METAL + 3, "<<", 3, 0, nullptr},
    {SHAPE_BELT, RAMP_METAL + 3, ">>", 3, 0, nullptr},
    {SHAPE_BELT, RAMP_METAL + 3, ">", 3, 0, nullptr},
    {SHAPE_OPEN, RAMP_METAL + 7, "TAP", 1, 0, DecorateTap},
    {SHAPE_SOLID, RAMP_STONE + 11, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_EARTH + 10, "", 1, 0, nullptr},
    {SHAPE_OPEN, RAMP_RED + 8, "LEVR", 3, 0, DecorateLever},
    {SHAPE_SOLID, RAMP_GREY + 6, "", 1, 0, nullptr},
    {SHAPE_OPEN, RAMP_GOLD + 10, "PLAT", 2, 0, DecoratePlate},
    {SHAPE_SOLID, RAMP_ICE + 10, "ICE", 1, 0, nullptr},
    {SHAPE_OPEN, RAMP_RED + 9, "TGT", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_STONE + 3, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_EARTH + 3, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_PURPLE + 5, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_TEAL + 4, "", 1, 0, nullptr},
    {SHAPE_SOLID, RAMP_STONE + 6, "", 1, 0, nullptr},
};

struct ItemLook {
    uint8_t fill;
    const char* tag;
};

static const ItemLook g_itemLooks[5] = {
    {RAMP_WOOD + 9, "CRAT"},
    {RAMP_METAL + 9, "METL"},
    {RAMP_STONE + 6, "ROCK"},
    {RAMP_ICE + 10, "ICE"},
    {RAMP_GOLD + 12, "STAR"},
};

uint8_t ItemFill(int32_t type)
{
    return g_itemLooks[type - 1].fill;
}

const char* ItemTag(int32_t type)
{
    return g_itemLooks[type - 1].tag;
}

static std::string TileText(int32_t code, const TileLook& look, int32_t frame)
{
    std::string text = std::to_string(code);
    if (look.tag[0] != '\0') {
        text += std::string(" ") + look.tag;
    }
    if (look.frames > 1) {
        text += " " + std::to_string(frame);
    }
    return text;
}

static void DrawPipeArms(Image8& image, const AtlasBox& c, int32_t arms, uint8_t fill)
{
    uint8_t edge = DarkerInk(fill);
    const struct { int32_t bit; AtlasBox part; } parts[] = {
        {ARM_LEFT, {0, 6, 14, 18}},  {ARM_RIGHT, {10, 6, 24, 18}}, {ARM_UP, {6, 0, 18, 14}},
        {ARM_DOWN, {6, 10, 18, 24}}, {RIM_LEFT, {0, 3, 3, 21}},    {RIM_RIGHT, {21, 3, 24, 21}},
        {RIM_DOWN, {3, 21, 21, 24}}, {RIM_FUNNEL, {1, 0, 23, 5}},
    };
    for (const auto& p : parts) {
        if (arms & p.bit) {
            AtlasBox box = {c.left + p.part.left, c.top + p.part.top, c.left + p.part.right, c.top + p.part.bottom};
            FillBox(image, box, fill);
            OutlineBox(image, box, edge);
        }
    }
    // Fill the arms' insides again, so that no edge runs across a joint.
    for (const auto& p : parts) {
        if ((arms & p.bit) && p.bit <= ARM_DOWN) {
            AtlasBox inner = {c.left + p.part.left + 1, c.top + p.part.top + 1, c.left + p.part.right - 1,
                              c.top + p.part.bottom - 1};
            FillBox(image, inner, fill);
        }
    }
}

static void DrawBelt(Image8& image, const AtlasBox& c, int32_t frame, uint8_t fill)
{
    AtlasBox body = {c.left, c.top + 3, c.right, c.bottom - 3};
    FillBox(image, body, fill);
    OutlineBox(image, body, DarkerInk(fill));
    for (int32_t x = 0; x < 24; ++x) {
        if ((x + 2 * frame) % 6 == 0) {
            FillBox(image, {c.left + x, c.top + 4, c.left + x + 1, c.bottom - 4}, Ink(RAMP_METAL, 9));
        }
    }
}

static void DrawTile(Canvas& canvas, int32_t code, int32_t frame, const AtlasBox& cell)
{
    const TileLook& look = g_tileLooks[code];
    Image8& image = canvas.image;
    uint8_t ink = ContrastInk(look.fill);
    switch (look.shape) {
    case SHAPE_EMPTY:
        return;
    case SHAPE_SOLID:
    case SHAPE_WALL_PIPE:
        FillBox(image, cell, look.fill);
        OutlineBox(image, cell, DarkerInk(look.fill));
        DrawPipeArms(image, cell, look.arms, PIPE_FILL);
        break;
    case SHAPE_OPEN:
        OutlineBox(image, cell, look.fill);
        ink = INK_BLACK;
        break;
    case SHAPE_PIPE:
        DrawPipeArms(image, cell, look.arms, look.fill);
        break;
    case SHAPE_BELT:
        DrawBelt(image, cell, frame, look.fill);
        ink = INK_WHITE;
        break;
    }
    if (look.decorate != nullptr) {
        look.decorate(image, cell, frame);
    }
    FitLabel(canvas, cell, TileText(code, look, frame), ink, 0);
}

void DrawTiles(Canvas& canvas, AtlasId id, const EntryStyle&)
{
    for (int32_t code = 0; code < g_atlas[id].count; ++code) {
        for (int32_t frame = 0; frame < g_tileLooks[code].frames; ++frame) {
            DrawTile(canvas, code, frame, AtlasMember(id, code, frame));
        }
    }
}

void DrawBeltStopped(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox cell = AtlasMember(id, 0, 0);
    FillBox(canvas.image, cell, INK_KEY);
    DrawBelt(canvas.image, cell, 0, style.fill);
    FitLabel(canvas, cell, "STOP", style.ink, 0);
}

static void DrawMiniature(Canvas& canvas, const AtlasBox& box, int32_t code)
{
    uint8_t fill = code < 40 ? g_tileLooks[code].fill : ItemFill(code - 39);
    TileShape shape = code < 40 ? g_tileLooks[code].shape : SHAPE_SOLID;
    if (shape == SHAPE_EMPTY) {
        return;
    }
    uint8_t ink = INK_BLACK;
    if (shape == SHAPE_OPEN) {
        OutlineBox(canvas.image, box, fill);
    } else {
        FillBox(canvas.image, box, fill);
        OutlineBox(canvas.image, box, DarkerInk(fill));
        ink = ContrastInk(fill);
    }
    FitLabel(canvas, box, std::to_string(code), ink, 0);
}

void DrawPreviewTiles(Canvas& canvas, AtlasId id, const EntryStyle&)
{
    for (int32_t code = 0; code < g_atlas[id].count; ++code) {
        DrawMiniature(canvas, AtlasMember(id, code, 0), code);
    }
}
