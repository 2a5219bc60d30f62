// The palette: every tile and item with its map characters and its name,
// and the frog's start, in the order the panel shows them.
#ifndef EDIT_EDITOR_PALETTE_H
#define EDIT_EDITOR_PALETTE_H

#include "map_document.h"

struct PaletteEntry {
    MapCellChars chars;
    const char* name;
};

// One entry past the cells: placing the frog's start.
const int PALETTE_FROG = 45;
const int PALETTE_ENTRIES = 46;
extern const PaletteEntry g_paletteEntries[PALETTE_ENTRIES];

// The name of whatever a cell's tile character makes it.
const char* TileName(unsigned char tile);
bool IsBeltTile(unsigned char tile);

#endif
