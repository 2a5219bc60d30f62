// The clipboard's rectangles of cell characters.
#include "edit_clipboard.h"

#include <algorithm>

static CellPos Clamped(CellPos cell)
{
    return CellPos{std::clamp(cell.x, 0, BOARD_COLUMNS - 1), std::clamp(cell.y, 0, BOARD_ROWS - 1)};
}

MapClip CopyRect(const MapDocument& document, CellPos from, CellPos to)
{
    CellPos a = Clamped(from);
    CellPos b = Clamped(to);
    MapClip clip;
    clip.width = abs(a.x - b.x) + 1;
    clip.height = abs(a.y - b.y) + 1;
    for (CellPos cell : RectCells(a, b)) {
        clip.cells.push_back(document.cells[cell.x][cell.y]);
    }
    return clip;
}

EditOp CutOp(const MapDocument& document, CellPos from, CellPos to, MapClip* clip)
{
    *clip = CopyRect(document, from, to);
    return PaintOp(document, RectCells(Clamped(from), Clamped(to)), EMPTY_CELL);
}

EditOp PasteOp(const MapDocument& document, const MapClip& clip, CellPos at)
{
    EditOp op = PaintOp(document, {}, EMPTY_CELL);
    for (int y = 0; y < clip.height; y++) {
        for (int x = 0; x < clip.width; x++) {
            EditOp one = PaintOp(document, {CellPos{at.x + x, at.y + y}}, clip.cells[y * clip.width + x]);
            op.cells.insert(op.cells.end(), one.cells.begin(), one.cells.end());
        }
    }
    return op;
}
