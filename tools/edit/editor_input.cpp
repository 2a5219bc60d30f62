// Mouse painting (lines, boxes, belts, the frog, selections) and the shortcuts.
#include "editor_input.h"

#include "editor.h"
#include "editor_files.h"
#include "editor_palette.h"
#include "editor_view.h"

static CellPos CellAt(int x, int y)
{
    CellPos cell = {(x - BOARD_SCREEN_X) / CELL_SIZE, (y - BOARD_SCREEN_Y) / CELL_SIZE};
    if (x < BOARD_SCREEN_X || y < BOARD_SCREEN_Y || !OnBoard(cell.x, cell.y)) {
        return CellPos{-1, -1};
    }
    return cell;
}

static void Apply(const EditOp& op)
{
    if (ApplyEdit(&g_editor.history, &g_editor.document, op)) {
        DocumentChanged();
    }
}

static MapCellChars Brush(void)
{
    return g_editor.dragErases ? EMPTY_CELL : g_paletteEntries[g_editor.choice].chars;
}

// A drag paints as it goes, into one edit that undoes as a whole.
static void PaintTo(CellPos cell)
{
    EditOp segment = PaintOp(g_editor.document, LineCells(g_editor.lastPainted, cell), Brush());
    DoEdit(&g_editor.document, segment);
    MergeEdit(&g_editor.stroke, segment);
    g_editor.lastPainted = cell;
    DocumentChanged();
}

static void StartDrag(CellPos cell, bool erases, WPARAM flags)
{
    g_editor.dragFrom = cell;
    g_editor.lastPainted = cell;
    g_editor.dragErases = erases;
    g_editor.stroke = PaintOp(g_editor.document, {}, EMPTY_CELL);
    if (!erases && (flags & MK_CONTROL)) {
        g_editor.drag = DRAG_SELECT;
        g_editor.hasSelection = true;
        g_editor.selectFrom = g_editor.selectTo = cell;
    } else if (!erases && g_editor.choice == PALETTE_FROG) {
        g_editor.drag = DRAG_NONE;
        Apply(FrogOp(g_editor.document, cell));
    } else if (!erases && g_paletteEntries[g_editor.choice].chars.tile == 'G') {
        g_editor.drag = DRAG_BELT;
    } else if (flags & MK_SHIFT) {
        g_editor.drag = DRAG_RECT;
    } else {
        g_editor.drag = DRAG_PAINT;
        PaintTo(cell);
    }
}

static void EndDrag(void)
{
    CellPos to = g_editor.mouse;
    if (g_editor.drag == DRAG_PAINT) {
        KeepEdit(&g_editor.history, g_editor.stroke);
    } else if (g_editor.drag == DRAG_RECT && OnBoard(to.x, to.y)) {
        Apply(PaintOp(g_editor.document, RectCells(g_editor.dragFrom, to), Brush()));
    } else if (g_editor.drag == DRAG_BELT && OnBoard(to.x, to.y)) {
        int direction = g_paletteEntries[g_editor.choice].chars.param - '0';
        Apply(BeltOp(g_editor.document, g_editor.dragFrom, to.x, direction, 0, 0));
        if (to.x <= g_editor.dragFrom.x) {
            SetStatus("a belt runs left to right: drag from its left end");
        }
    }
    g_editor.drag = DRAG_NONE;
}

void EditorMouse(UINT message, WPARAM flags, int x, int y)
{
    CellPos cell = CellAt(x, y);
    g_editor.mouse = cell;
    g_editor.hoverPalette = PaletteEntryAt(x, y);
    bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
    if (down && g_editor.hoverPalette >= 0 && message == WM_LBUTTONDOWN) {
        g_editor.choice = g_editor.hoverPalette;
    } else if (down && OnBoard(cell.x, cell.y) && g_editor.drag == DRAG_NONE) {
        StartDrag(cell, message == WM_RBUTTONDOWN, flags);
    } else if (message == WM_MOUSEMOVE && OnBoard(cell.x, cell.y)) {
        if (g_editor.drag == DRAG_PAINT) {
            PaintTo(cell);
        } else if (g_editor.drag == DRAG_SELECT) {
            g_editor.selectTo = cell;
        }
    } else if ((message == WM_LBUTTONUP || message == WM_RBUTTONUP) && g_editor.drag != DRAG_NONE) {
        EndDrag();
    }
}

static void StepParam(int step)
{
    CellPos m = g_editor.mouse;
    if (OnBoard(m.x, m.y)) {
        int param = g_editor.document.cells[m.x][m.y].param + step;
        if (param >= '/' && param <= '0' + 40) {
            Apply(ParamOp(g_editor.document, m, (unsigned char)param));
        }
    }
}

static void ClipboardKey(int key)
{
    if (key == 'V' && OnBoard(g_editor.mouse.x, g_editor.mouse.y) && g_editor.clip.width > 0) {
        Apply(PasteOp(g_editor.document, g_editor.clip, g_editor.mouse));
        return;
    }
    if (!g_editor.hasSelection) {
        SetStatus("Ctrl+drag selects a rectangle first");
    } else if (key == 'C') {
        g_editor.clip = CopyRect(g_editor.document, g_editor.selectFrom, g_editor.selectTo);
        SetStatus("copied; Ctrl+V pastes at the mouse");
    } else if (key == 'X') {
        Apply(CutOp(g_editor.document, g_editor.selectFrom, g_editor.selectTo, &g_editor.clip));
    }
}

static bool ControlKey(int key)
{
    switch (key) {
    case 'Z':
        if (UndoEdit(&g_editor.history, &g_editor.document)) {
            DocumentChanged();
        }
        return true;
    case 'Y':
        if (RedoEdit(&g_editor.history, &g_editor.document)) {
            DocumentChanged();
        }
        return true;
    case 'S':
        SaveEditorMap();
        return true;
    case 'C':
    case 'X':
    case 'V':
        ClipboardKey(key);
        return true;
    }
    return false;
}

bool EditorKey(int key)
{
    if (GetKeyState(VK_CONTROL) & 0x8000) {
        return ControlKey(key);
    }
    CellPos m = g_editor.mouse;
    if (key >= '0' && key <= '9' && OnBoard(m.x, m.y)) {
        Apply(ParamOp(g_editor.document, m, (unsigned char)key));
    } else if (key == VK_PRIOR || key == VK_NEXT) {
        StepParam(key == VK_PRIOR ? 1 : -1);
    } else if (key == 'F' && OnBoard(m.x, m.y)) {
        Apply(FillLiquidOp(g_editor.document, m, g_editor.document.cells[m.x][m.y].param - '0'));
    } else if (key == 'G') {
        g_editor.grid = !g_editor.grid;
    } else if (key == VK_F9) {
        RestoreAutosave();
    } else {
        return false;
    }
    return true;
}
