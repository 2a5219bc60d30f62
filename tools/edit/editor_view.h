// Drawing the editor: the board as the game draws it with the editor's marks
// on it, and the panel beside it.
#ifndef EDIT_EDITOR_VIEW_H
#define EDIT_EDITOR_VIEW_H

#include <windows.h>

// Where the palette's entries sit in the panel.
const int PALETTE_TOP = 22;
const int PALETTE_COLUMNS = 8;
const int PALETTE_PITCH = 29;

// The palette entry under a picture position, or -1.
int PaletteEntryAt(int x, int y);
void DrawEditor(void);
void FillBox(int x, int y, int w, int h, BYTE index);
// The palette index closest to a colour.
BYTE NearestIndex(int red, int green, int blue);

#endif
