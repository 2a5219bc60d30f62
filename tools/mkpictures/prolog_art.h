// PROLOG: the six story panels.
#ifndef MKPICTURES_PROLOG_ART_H
#define MKPICTURES_PROLOG_ART_H

#include "entry_styles.h"

// Pages 0 to 4 in reading order, and the spare sixth cell.
void DrawPrologPages(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
