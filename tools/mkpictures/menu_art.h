// STRINGS menus: the pause and option panels, the title menu and the ON and
// OFF switches.
#ifndef MKPICTURES_MENU_ART_H
#define MKPICTURES_MENU_ART_H

#include "entry_styles.h"

// Word 0 is the heading; then one entry per cursor row (an empty word for a
// blank row).
void DrawPausePanel(Canvas& canvas, AtlasId id, const EntryStyle& style);
void DrawOptionPanel(Canvas& canvas, AtlasId id, const EntryStyle& style);
// One word per row, 34 pixels apart, on key colour over the title picture.
void DrawTitleMenu(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Member 0 OFF, member 1 ON, lettered with the style's words.
void DrawOptionStates(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
