// Copy, cut and paste of a rectangle of cells.
#ifndef EDIT_EDIT_CLIPBOARD_H
#define EDIT_EDIT_CLIPBOARD_H

#include <vector>

#include "edit_ops.h"

struct MapClip {
    int width;
    int height;
    std::vector<MapCellChars> cells;
};

// The rectangle spanned by two corner cells, cut to the board.
MapClip CopyRect(const MapDocument& document, CellPos from, CellPos to);
// Copies the rectangle and empties it.
EditOp CutOp(const MapDocument& document, CellPos from, CellPos to, MapClip* clip);
// The clip with its top-left corner at `at`; what falls off the board is dropped.
EditOp PasteOp(const MapDocument& document, const MapClip& clip, CellPos at);

#endif
