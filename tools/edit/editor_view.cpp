// The editor's picture: the game's board drawing of the document, the grid,
// switch numbers, marks on faulty cells and the selection; then the panel.
#include "editor_view.h"

#include <stdio.h>

#include "editor.h"
#include "editor_palette.h"
#include "play/play_screen.h"
#include "stage/items.h"
#include "stage/play_state.h"
#include "stage/tiles.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

static const int TEXT_HEIGHT = 12;
static const int LINE = 13;

BYTE NearestIndex(int red, int green, int blue)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 256; i++) {
        long dr = g_paletteTarget[i].peRed - red;
        long dg = g_paletteTarget[i].peGreen - green;
        long db = g_paletteTarget[i].peBlue - blue;
        long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return (BYTE)best;
}

void FillBox(int x, int y, int w, int h, BYTE index)
{
    RECT rect = {x, y, x + w, y + h};
    DDBLTFX fx = {sizeof(DDBLTFX), index};
    g_back->Blt(&rect, NULL, NULL, DDBLT_COLORFILL, &fx);
}

static void FrameBox(int x, int y, int w, int h, int thickness, BYTE index)
{
    FillBox(x, y, w, thickness, index);
    FillBox(x, y + h - thickness, w, thickness, index);
    FillBox(x, y, thickness, h, index);
    FillBox(x + w - thickness, y, thickness, h, index);
}

static void FrameCell(int x, int y, int thickness, BYTE index)
{
    FrameBox(BOARD_SCREEN_X + x * CELL_SIZE, BOARD_SCREEN_Y + y * CELL_SIZE, CELL_SIZE, CELL_SIZE, thickness, index);
}

static void Text(int x, int y, const std::string& text, COLORREF colour)
{
    DrawTextGdi(x, y, text.c_str(), colour, TEXT_HEIGHT, TEXT_FACE_GOTHIC, 0);
}

// The board reloaded from the document each frame, so that nothing the
// drawing steps (a tap pouring, say) piles up while editing.
static void DrawGameBoard(void)
{
    MapFaults(MapDocumentBytes(g_editor.document));
    g_clearFrogSrc = AtlasRect(ATLAS_FROG_STAND);
    if (DrawPlayBoard()) {
        DrawFrogAndFrame();
    }
}

static void DrawGrid(void)
{
    BYTE ink = NearestIndex(90, 120, 120);
    for (int x = 0; x <= BOARD_COLUMNS; x++) {
        FillBox(BOARD_SCREEN_X + x * CELL_SIZE, BOARD_SCREEN_Y, 1, BOARD_ROWS * CELL_SIZE, ink);
    }
    for (int y = 0; y <= BOARD_ROWS; y++) {
        FillBox(BOARD_SCREEN_X, BOARD_SCREEN_Y + y * CELL_SIZE, BOARD_COLUMNS * CELL_SIZE, 1, ink);
    }
}

static int HoveredNumber(void)
{
    CellPos m = g_editor.mouse;
    return OnBoard(m.x, m.y) ? g_editor.checks.switchNumber[m.x][m.y] : 0;
}

// Every cell that shares the hovered cell's switch number is framed with it.
static void DrawSwitchNumbers(void)
{
    int shared = HoveredNumber();
    BYTE highlight = NearestIndex(255, 230, 40);
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            int number = g_editor.checks.switchNumber[x][y];
            if (number == 0) {
                continue;
            }
            if (number == shared) {
                FrameCell(x, y, 2, highlight);
            }
            int sx = BOARD_SCREEN_X + x * CELL_SIZE;
            int sy = BOARD_SCREEN_Y + y * CELL_SIZE;
            FillBox(sx + 1, sy + 1, number > 9 ? 14 : 8, 11, NearestIndex(0, 0, 0));
            Text(sx + 2, sy, std::to_string(number), RGB(255, 230, 40));
        }
    }
}

static const std::vector<MapCheck>& ShownChecks(void)
{
    return g_editor.openFaults.empty() ? g_editor.checks.found : g_editor.openFaults;
}

static void DrawMarks(void)
{
    BYTE fault = NearestIndex(255, 0, 0);
    BYTE warning = NearestIndex(255, 150, 0);
    for (const MapCheck& check : ShownChecks()) {
        if (check.x >= 0) {
            FrameCell(check.x, check.y, check.fault ? 3 : 2, check.fault ? fault : warning);
        }
    }
}

static void DrawCellsBox(CellPos a, CellPos b, BYTE ink)
{
    int left = std::min(a.x, b.x);
    int top = std::min(a.y, b.y);
    FrameBox(BOARD_SCREEN_X + left * CELL_SIZE, BOARD_SCREEN_Y + top * CELL_SIZE,
             (abs(a.x - b.x) + 1) * CELL_SIZE, (abs(a.y - b.y) + 1) * CELL_SIZE, 1, ink);
}

static void DrawSelectionAndCursor(void)
{
    BYTE white = NearestIndex(255, 255, 255);
    if (g_editor.hasSelection) {
        DrawCellsBox(g_editor.selectFrom, g_editor.selectTo, NearestIndex(80, 200, 255));
    }
    if (g_editor.drag == DRAG_RECT || g_editor.drag == DRAG_BELT) {
        DrawCellsBox(g_editor.dragFrom, g_editor.mouse, white);
    }
    if (OnBoard(g_editor.mouse.x, g_editor.mouse.y)) {
        FrameCell(g_editor.mouse.x, g_editor.mouse.y, 1, white);
    }
}

int PaletteEntryAt(int x, int y)
{
    int column = (x - PANEL_X - 4) / PALETTE_PITCH;
    int row = (y - PALETTE_TOP) / PALETTE_PITCH;
    if (x < PANEL_X + 4 || y < PALETTE_TOP || column >= PALETTE_COLUMNS) {
        return -1;
    }
    int entry = row * PALETTE_COLUMNS + column;
    return entry < PALETTE_ENTRIES ? entry : -1;
}

static RECT EntryPicture(int entry)
{
    if (entry == PALETTE_FROG) {
        RECT frog = AtlasRect(ATLAS_FROG_STAND);
        frog.bottom = frog.top + CELL_SIZE;
        return frog;
    }
    int tile = g_paletteEntries[entry].chars.tile - '0';
    return tile >= TILE_CODES ? AtlasRect(ATLAS_ITEM, tile - TILE_CODES) : AtlasRect(ATLAS_TILE, tile);
}

static void DrawPalette(void)
{
    BYTE well = NearestIndex(40, 70, 70);
    for (int entry = 0; entry < PALETTE_ENTRIES; entry++) {
        int x = PANEL_X + 4 + (entry % PALETTE_COLUMNS) * PALETTE_PITCH;
        int y = PALETTE_TOP + (entry / PALETTE_COLUMNS) * PALETTE_PITCH;
        FillBox(x, y, 26, 26, well);
        RECT picture = EntryPicture(entry);
        BlitImage(g_back, x + 1, y + 1, g_charaImg, &picture, 1);
        if (entry == g_editor.choice) {
            FrameBox(x - 1, y - 1, 28, 28, 2, NearestIndex(255, 255, 255));
        }
    }
}

static std::string CellLine(CellPos cell)
{
    MapCellChars chars = g_editor.document.cells[cell.x][cell.y];
    char text[96];
    snprintf(text, sizeof text, "%d,%d  %c%c  %s", cell.x, cell.y, chars.tile, chars.param, TileName(chars.tile));
    return text;
}

// Lines of the panel's width, broken at spaces.
static std::vector<std::string> Wrapped(const std::string& text)
{
    const size_t width = 33;
    std::vector<std::string> lines;
    std::string rest = text;
    while (rest.size() > width) {
        size_t cut = rest.rfind(' ', width);
        cut = cut == std::string::npos || cut <= 2 ? width : cut;
        lines.push_back(rest.substr(0, cut));
        rest = "  " + rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
    }
    lines.push_back(rest);
    return lines;
}

static int DrawChecks(int y)
{
    const std::vector<MapCheck>& found = ShownChecks();
    int faults = CountFaults(found);
    Text(PANEL_X + 6, y, found.empty() ? "No faults, no warnings"
                         : std::to_string(faults) + " fault(s), " + std::to_string(found.size() - faults) +
                               " warning(s)", found.empty() ? RGB(120, 230, 120) : RGB(255, 120, 90));
    y += LINE;
    for (size_t i = 0; i < found.size() && y < 330; i++) {
        std::string where = found[i].line > 0 ? "line " + std::to_string(found[i].line) + " col " +
                                                    std::to_string(found[i].column) + ": "
                                              : "";
        for (const std::string& line : Wrapped(where + found[i].text)) {
            Text(PANEL_X + 6, y, line, found[i].fault ? RGB(255, 90, 90) : RGB(255, 170, 60));
            y += LINE;
        }
    }
    return y;
}

static const char* const SHORTCUTS[] = {
    "Left paint, Right clear, Shift+drag box",
    "0-9 PgUp PgDn  cell parameter",
    "F  fill water region to this level",
    "Ctrl+drag select, Ctrl+C X V",
    "Ctrl+Z undo  Ctrl+Y redo  G grid",
    "Ctrl+S save  Esc quit",
    "F5 play  F6 solve: either keeps a replay",
};

static void DrawPanel(void)
{
    FillBox(PANEL_X, 0, PANEL_WIDTH, 480, NearestIndex(20, 34, 34));
    std::string name = g_editor.path.substr(g_editor.path.find_last_of('/') + 1);
    Text(PANEL_X + 6, 4, name + (HasUnsavedChanges() ? "  (unsaved)" : ""), RGB(255, 255, 255));
    DrawPalette();
    int y = PALETTE_TOP + 6 * PALETTE_PITCH + 2;
    int shown = g_editor.hoverPalette >= 0 ? g_editor.hoverPalette : g_editor.choice;
    Text(PANEL_X + 6, y, g_paletteEntries[shown].name, RGB(255, 255, 200));
    y += LINE;
    if (OnBoard(g_editor.mouse.x, g_editor.mouse.y)) {
        Text(PANEL_X + 6, y, CellLine(g_editor.mouse), RGB(200, 220, 220));
    }
    y = DrawChecks(y + LINE + 4);
    const int shortcutLines = sizeof SHORTCUTS / sizeof SHORTCUTS[0];
    y = 480 - (shortcutLines + 2) * LINE - 4;
    for (const std::string& line : Wrapped(g_editor.status)) {
        Text(PANEL_X + 6, y - LINE, line, g_editor.quitAsked ? RGB(255, 90, 90) : RGB(140, 220, 255));
        y += LINE;
    }
    y = 480 - shortcutLines * LINE - 4;
    for (const char* line : SHORTCUTS) {
        Text(PANEL_X + 6, y, line, RGB(170, 190, 190));
        y += LINE;
    }
}

void DrawEditor(void)
{
    DrawGameBoard();
    if (g_editor.grid) {
        DrawGrid();
    }
    DrawMarks();
    DrawSwitchNumbers();
    DrawSelectionAndCursor();
    DrawPanel();
}
