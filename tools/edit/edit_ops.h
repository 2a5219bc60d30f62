// Edit operations on a map document: each is built against the document as
// it stands and holds every cell's characters before and after, so that it
// can be done and undone exactly.
#ifndef EDIT_EDIT_OPS_H
#define EDIT_EDIT_OPS_H

#include <vector>

#include "map_document.h"

struct CellChange {
    int x;
    int y;
    MapCellChars before;
    MapCellChars after;
};

struct EditOp {
    std::vector<CellChange> cells;
    bool movesFrog;
    int frogBefore[2];
    int frogAfter[2];
};

struct CellPos {
    int x;
    int y;
};

bool OnBoard(int x, int y);
bool EditIsEmpty(const EditOp& op);
void DoEdit(MapDocument* document, const EditOp& op);
// Adds a later edit to an earlier one, so that a whole drag undoes at once.
void MergeEdit(EditOp* into, const EditOp& later);
void UndoEditOp(MapDocument* document, const EditOp& op);

// The cells of a straight line between two cells, and of the rectangle they span.
std::vector<CellPos> LineCells(CellPos from, CellPos to);
std::vector<CellPos> RectCells(CellPos from, CellPos to);

// Gives every listed cell on the board the same two characters.
EditOp PaintOp(const MapDocument& document, const std::vector<CellPos>& cells, MapCellChars chars);
// Changes only the parameter character of one cell.
EditOp ParamOp(const MapDocument& document, CellPos cell, unsigned char param);
EditOp FrogOp(const MapDocument& document, CellPos cell);

// Every cell that holds liquid as a plain open cell (empty, ladder, target, an
// item's cell) and is joined to `start` through such cells side by side gets
// `level` units (0..24). A start that holds no liquid changes nothing.
EditOp FillLiquidOp(const MapDocument& document, CellPos start, int level);
bool HoldsLevel(MapCellChars chars);

// A belt from `left` to `rightX` in one row: left end with its direction
// (-1, 0, +1), middle pieces naming the direction switch, right end naming
// the run switch (0 for none). Needs at least the two ends.
EditOp BeltOp(const MapDocument& document, CellPos left, int rightX, int direction, int dirSwitch, int runSwitch);

#endif
