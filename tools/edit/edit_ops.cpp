// Building and applying edit operations on the map document.
#include "edit_ops.h"

#include <stdlib.h>

#include <algorithm>

bool OnBoard(int x, int y)
{
    return x >= 0 && y >= 0 && x < BOARD_COLUMNS && y < BOARD_ROWS;
}

bool EditIsEmpty(const EditOp& op)
{
    return op.cells.empty() && !op.movesFrog;
}

void DoEdit(MapDocument* document, const EditOp& op)
{
    for (const CellChange& change : op.cells) {
        document->cells[change.x][change.y] = change.after;
    }
    if (op.movesFrog) {
        document->frogColumn = op.frogAfter[0];
        document->frogRow = op.frogAfter[1];
    }
}

void UndoEditOp(MapDocument* document, const EditOp& op)
{
    for (size_t i = op.cells.size(); i-- > 0;) {
        document->cells[op.cells[i].x][op.cells[i].y] = op.cells[i].before;
    }
    if (op.movesFrog) {
        document->frogColumn = op.frogBefore[0];
        document->frogRow = op.frogBefore[1];
    }
}

void MergeEdit(EditOp* into, const EditOp& later)
{
    for (const CellChange& change : later.cells) {
        bool found = false;
        for (CellChange& earlier : into->cells) {
            if (earlier.x == change.x && earlier.y == change.y) {
                earlier.after = change.after;
                found = true;
            }
        }
        if (!found) {
            into->cells.push_back(change);
        }
    }
    if (later.movesFrog) {
        if (!into->movesFrog) {
            into->frogBefore[0] = later.frogBefore[0];
            into->frogBefore[1] = later.frogBefore[1];
        }
        into->movesFrog = true;
        into->frogAfter[0] = later.frogAfter[0];
        into->frogAfter[1] = later.frogAfter[1];
    }
}

static EditOp NoEdit(void)
{
    EditOp op;
    op.movesFrog = false;
    return op;
}

// A cell listed twice keeps its first before and its last after.
static void AddChange(EditOp* op, const MapDocument& document, CellPos cell, MapCellChars after)
{
    if (!OnBoard(cell.x, cell.y)) {
        return;
    }
    for (CellChange& change : op->cells) {
        if (change.x == cell.x && change.y == cell.y) {
            change.after = after;
            return;
        }
    }
    MapCellChars before = document.cells[cell.x][cell.y];
    if (before != after) {
        op->cells.push_back(CellChange{cell.x, cell.y, before, after});
    }
}

std::vector<CellPos> LineCells(CellPos from, CellPos to)
{
    std::vector<CellPos> cells;
    int dx = abs(to.x - from.x);
    int dy = -abs(to.y - from.y);
    int sx = from.x < to.x ? 1 : -1;
    int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    CellPos at = from;
    for (;;) {
        cells.push_back(at);
        if (at.x == to.x && at.y == to.y) {
            return cells;
        }
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            at.y += sy;
        }
    }
}

std::vector<CellPos> RectCells(CellPos from, CellPos to)
{
    std::vector<CellPos> cells;
    for (int y = std::min(from.y, to.y); y <= std::max(from.y, to.y); y++) {
        for (int x = std::min(from.x, to.x); x <= std::max(from.x, to.x); x++) {
            cells.push_back(CellPos{x, y});
        }
    }
    return cells;
}

EditOp PaintOp(const MapDocument& document, const std::vector<CellPos>& cells, MapCellChars chars)
{
    EditOp op = NoEdit();
    for (CellPos cell : cells) {
        AddChange(&op, document, cell, chars);
    }
    return op;
}

EditOp ParamOp(const MapDocument& document, CellPos cell, unsigned char param)
{
    EditOp op = NoEdit();
    if (OnBoard(cell.x, cell.y)) {
        AddChange(&op, document, cell, MapCellChars{document.cells[cell.x][cell.y].tile, param});
    }
    return op;
}

EditOp FrogOp(const MapDocument& document, CellPos cell)
{
    EditOp op = NoEdit();
    if (!OnBoard(cell.x, cell.y) || (cell.x == document.frogColumn && cell.y == document.frogRow)) {
        return op;
    }
    op.movesFrog = true;
    op.frogBefore[0] = document.frogColumn;
    op.frogBefore[1] = document.frogRow;
    op.frogAfter[0] = cell.x;
    op.frogAfter[1] = cell.y;
    return op;
}

bool HoldsLevel(MapCellChars chars)
{
    return chars.tile == '0' || chars.tile == '2' || chars.tile == 'R' || (chars.tile >= 'X' && chars.tile <= '\\');
}

EditOp FillLiquidOp(const MapDocument& document, CellPos start, int level)
{
    EditOp op = NoEdit();
    if (!OnBoard(start.x, start.y) || !HoldsLevel(document.cells[start.x][start.y]) || level < 0 || level > 24) {
        return op;
    }
    bool seen[BOARD_COLUMNS][BOARD_ROWS] = {};
    std::vector<CellPos> todo = {start};
    seen[start.x][start.y] = true;
    while (!todo.empty()) {
        CellPos at = todo.back();
        todo.pop_back();
        MapCellChars chars = document.cells[at.x][at.y];
        AddChange(&op, document, at, MapCellChars{chars.tile, (unsigned char)('0' + level)});
        const CellPos next[4] = {{at.x - 1, at.y}, {at.x + 1, at.y}, {at.x, at.y - 1}, {at.x, at.y + 1}};
        for (CellPos n : next) {
            if (OnBoard(n.x, n.y) && !seen[n.x][n.y] && HoldsLevel(document.cells[n.x][n.y])) {
                seen[n.x][n.y] = true;
                todo.push_back(n);
            }
        }
    }
    return op;
}

EditOp BeltOp(const MapDocument& document, CellPos left, int rightX, int direction, int dirSwitch, int runSwitch)
{
    EditOp op = NoEdit();
    if (!OnBoard(left.x, left.y) || !OnBoard(rightX, left.y) || rightX <= left.x) {
        return op;
    }
    AddChange(&op, document, left, MapCellChars{'G', (unsigned char)('0' + direction)});
    for (int x = left.x + 1; x < rightX; x++) {
        AddChange(&op, document, CellPos{x, left.y}, MapCellChars{'H', (unsigned char)('0' + dirSwitch)});
    }
    AddChange(&op, document, CellPos{rightX, left.y}, MapCellChars{'J', (unsigned char)('0' + runSwitch)});
    return op;
}
