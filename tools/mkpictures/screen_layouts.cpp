// Full-screen placeholders of the keyed 640 x 480 pictures: FRAME, STAGE,
// TITLE and SCORE. Each leaves key colour where the screen shows what lies
// below it or where nothing is drawn, and letters its name large. The
// positions follow where the screens draw their other pictures.
#include "screen_layouts.h"

#include "inks.h"
#include "labels.h"
#include "placeholders.h"

const AtlasBox g_frameBoardWindow = {20, 12, 620, 468};
const AtlasBox g_stagePreviewWindow = {33, 27, 283, 217};
const AtlasBox g_stageGridWindow = {34, 299, 284, 459};

static const AtlasBox SCREEN = {0, 0, 640, 480};

static void Border(Image8& image, const AtlasBox& box, int32_t width, uint8_t ink)
{
    for (int32_t i = 0; i < width; ++i) {
        OutlineBox(image, InsetBox(box, i), ink);
    }
}

// A key-coloured window with a two-pixel frame just outside it.
static void Window(Image8& image, const AtlasBox& window, uint8_t light, uint8_t dark)
{
    FillBox(image, window, INK_KEY);
    OutlineBox(image, InsetBox(window, -1), dark);
    OutlineBox(image, InsetBox(window, -2), light);
}

static void LetterDown(Canvas& canvas, int32_t x, int32_t y, const std::string& text, int32_t scale, uint8_t ink)
{
    int32_t step = TextHeight(canvas.assets->large, scale) + 2 * scale;
    for (size_t i = 0; i < text.size(); ++i) {
        Letter(canvas, x, y + static_cast<int32_t>(i) * step, std::string(1, text[i]), scale, ink);
    }
}

void DrawFrameScreen(Canvas& canvas, AtlasId, const EntryStyle& style)
{
    Image8& image = canvas.image;
    FillBox(image, SCREEN, style.fill);
    Border(image, SCREEN, 2, DarkerInk(style.fill));
    Window(image, g_frameBoardWindow, Ink(RAMP_WOOD, 13), Ink(RAMP_WOOD, 2));
    Letter(canvas, 24, 3, "FRAME 640X480", 1, style.ink);
    LetterDown(canvas, 5, 170, "FRAME", 2, style.ink);
    LetterDown(canvas, 625, 170, "FRAME", 2, style.ink);
    Letter(canvas, 462, 471, "TIME", 1, style.ink);
}

void DrawStageScreen(Canvas& canvas, AtlasId, const EntryStyle& style)
{
    Image8& image = canvas.image;
    FillBox(image, SCREEN, style.fill);
    Border(image, SCREEN, 3, DarkerInk(style.fill));
    Window(image, g_stagePreviewWindow, INK_WHITE, INK_BLACK);
    Window(image, g_stageGridWindow, INK_WHITE, INK_BLACK);
    Letter(canvas, 33, 15, "PREVIEW", 1, style.ink);
    Letter(canvas, 34, 280, "STAGE SELECT", 2, style.ink);
    Letter(canvas, 40, 246, "STAGE NO.", 2, style.ink);

    AtlasBox panel = {430, 70, 630, 262};
    FillBox(image, panel, Ink(RAMP_METAL, 3));
    Border(image, panel, 2, INK_WHITE);
    LetterCentred(canvas, {panel.left, panel.top + 8, panel.right, panel.top + 30}, "BEST TIME", 2, INK_WHITE);
    for (int32_t k = 0; k < 3; ++k) {
        Letter(canvas, 436, 127 + 50 * k, std::to_string(k + 1), 2, Ink(RAMP_GOLD, 13));
    }
    Letter(canvas, 340, 320, "STAGE", 8, style.ink);
    Letter(canvas, 362, 392, "SELECT", 6, style.ink);
}

void DrawTitleScreen(Canvas& canvas, AtlasId, const EntryStyle& style)
{
    Image8& image = canvas.image;
    Border(image, SCREEN, 4, style.fill);
    FillBox(image, {4, 452, 636, 476}, style.fill);
    Letter(canvas, 452, 404, "TITLE", 6, style.ink);
    Letter(canvas, 12, 461, "TITLE PICTURE 640X480", 1, style.ink);
}

void DrawScoreScreen(Canvas& canvas, AtlasId, const EntryStyle& style)
{
    Image8& image = canvas.image;
    Border(image, SCREEN, 4, style.fill);
    Letter(canvas, 20, 20, "SCORE", 6, style.ink);
    Letter(canvas, 80, 138, "TIME", 2, style.ink);
    OutlineBox(image, {74, 154, 382, 210}, style.fill);
    Letter(canvas, 260, 276, "BEST TIMES", 2, style.ink);
    static const char* const ranks[3] = {"1ST", "2ND", "3RD"};
    for (int32_t k = 0; k < 3; ++k) {
        Letter(canvas, 212, 307 + 50 * k, ranks[k], 2, style.ink);
    }
}
