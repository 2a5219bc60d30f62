// STRINGS menus: the pause and option panels (a wooden sign around a dark
// pond-green board, a plaque with the heading, one entry per cursor row),
// the title menu and the ON and OFF switches.
#include "menu_art.h"

#include "art_styles.h"
#include "boards.h"
#include "paint.h"

// Panel rows, relative to the panel: the cursor stands at x 20 and at
// y 44 + 48 row, 36 pixels high; the words start to its right.
static const int32_t ROW_TOP = 44;
static const int32_t ROW_STEP = 48;
static const int32_t ROW_HEIGHT = 36;
static const int32_t WORD_LEFT = 66;

// Title menu rows, 34 pixels apart, and where its words start.
static const int32_t MENU_ROW_STEP = 34;
static const int32_t MENU_WORD_LEFT = 4;
static const int32_t MENU_WORD_TOP = 2;

static void DrawHeading(Canvas& canvas, const AtlasBox& panel, const std::string& word)
{
    int32_t width = TypeWidth(canvas.assets->large, word, TYPE_HEADING) + 36;
    int32_t left = panel.left + (panel.right - panel.left - width) / 2;
    PaintPlaque(canvas, {left, panel.top + 3, left + width, panel.top + ROW_TOP - 3}, word, TYPE_HEADING);
}

static void DrawPanel(Canvas& canvas, AtlasId id, const EntryStyle& style, const char* hint)
{
    AtlasBox panel = AtlasMember(id, 0, 0);
    PaintSign(canvas.image, panel, SIGN_FRAME, false);
    DrawHeading(canvas, panel, WordAt(style.words, 0));
    const PixelFont& font = canvas.assets->large;
    for (int32_t row = 0; row + 1 < WordCount(style.words); ++row) {
        int32_t top = panel.top + ROW_TOP + ROW_STEP * row;
        int32_t y = top + (ROW_HEIGHT - TypeHeight(font, TYPE_MENU)) / 2;
        SetText(canvas, panel.left + WORD_LEFT, y, WordAt(style.words, row + 1), TYPE_MENU, STYLE_GOLD);
    }
    static const LetterStyle note = {RAMP_TEAL, 10, 9, 0, 0, 0, 0, 0};
    AtlasBox foot = {panel.left, panel.bottom - SIGN_FRAME - 22, panel.right, panel.bottom - SIGN_FRAME - 6};
    SetTextCentred(canvas, foot, hint, TYPE_NOTE, note);
}

void DrawPausePanel(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    DrawPanel(canvas, id, style, "Z: CHOOSE   X: BACK TO PLAY");
}

// Beside each switch, what it switches.
static const char* const OPTION_NOTES[] = {"MUSIC", "SOUND FX"};
static const int32_t NOTE_LEFT = 312;

void DrawOptionPanel(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    DrawPanel(canvas, id, style, "Z: SWITCH   X: BACK");
    AtlasBox panel = AtlasMember(id, 0, 0);
    static const TypeSize size = {2, 2, 1, 0, 0};
    static const LetterStyle note = {RAMP_TEAL, 11, 9, 0, 0, 0, 0, 0};
    for (int32_t row = 0; row < 2; ++row) {
        int32_t y = panel.top + ROW_TOP + ROW_STEP * row + (ROW_HEIGHT - 14) / 2;
        SetText(canvas, panel.left + NOTE_LEFT, y, OPTION_NOTES[row], size, note);
    }
}

void DrawTitleMenu(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    AtlasBox menu = AtlasMember(id, 0, 0);
    LetterStyle raised = STYLE_GOLD_RAISED;
    raised.shadowDrop = 1;
    for (int32_t row = 0; row < WordCount(style.words); ++row) {
        int32_t y = menu.top + MENU_WORD_TOP + MENU_ROW_STEP * row;
        SetText(canvas, menu.left + MENU_WORD_LEFT, y, WordAt(style.words, row), TYPE_MENU, raised);
    }
}

// A rocker switch: a rounded track, the knob at the right when on.
static void DrawSwitch(Canvas& canvas, const AtlasBox& box, bool on, const std::string& word)
{
    AtlasBox track = {box.left + 1, box.top + 3, box.right - 2, box.bottom - 3};
    int32_t radius = (track.bottom - track.top) / 2;
    Mask shape = MakeMask(box);
    MaskRoundBox(shape, track, radius, true);
    PaintMask(canvas.image, Rim(shape, 1), INK_DEEP);
    uint8_t ramp = on ? RAMP_FROG : RAMP_STONE;
    PaintGradient(canvas.image, shape, ramp, on ? 12.0 : 7.0, on ? 7.0 : 4.0, 0, 15);
    int32_t knobX = on ? track.right - radius : track.left + radius;
    int32_t cy = (track.top + track.bottom) / 2;
    Mask knob = MakeMask(box);
    MaskEllipse(knob, knobX, cy, radius - 2.5, radius - 2.5, true);
    PaintMask(canvas.image, Rim(knob, 1), INK_DEEP);
    PaintGradient(canvas.image, knob, RAMP_GOLD, 15, 10, 0, 15);
    AtlasBox label = on ? AtlasBox{track.left + 4, track.top, knobX - radius, track.bottom}
                        : AtlasBox{knobX + radius, track.top, track.right - 3, track.bottom};
    static const TypeSize size = {2, 2, 2, 0, 0};
    static const LetterStyle lit = {RAMP_GOLD, 15, 13, 0, INK_OUTLINE, 1, 0, 0};
    static const LetterStyle dim = {RAMP_STONE, 13, 11, 0, INK_OUTLINE, 1, 0, 0};
    SetTextCentred(canvas, label, word, size, on ? lit : dim);
}

void DrawOptionStates(Canvas& canvas, AtlasId id, const EntryStyle& style)
{
    for (int32_t n = 0; n < g_atlas[id].count; ++n) {
        DrawSwitch(canvas, AtlasMember(id, n, 0), n == 1, WordAt(style.words, n));
    }
}
