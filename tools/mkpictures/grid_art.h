// STRINGS stage grid: eighty numbered lily pads on pond water.
#ifndef MKPICTURES_GRID_ART_H
#define MKPICTURES_GRID_ART_H

#include "entry_styles.h"

// The whole grid, water and pads; the cell entry names the pads within it.
void DrawStageGrid(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
