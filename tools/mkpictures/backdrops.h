// The two opaque pictures, BACKIMG and PROLOG: smooth gradients in colour
// tables of their own, which the game maps to its palette when loading.
#ifndef MKPICTURES_BACKDROPS_H
#define MKPICTURES_BACKDROPS_H

#include "entry_styles.h"

Palette BackImgPalette();
Palette PrologPalette();

// The play background: a sky gradient with the board's cell lines.
void DrawBackImg(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Six story cells, each a gradient with its page number.
void DrawPrologPages(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
