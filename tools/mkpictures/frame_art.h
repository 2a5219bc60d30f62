// FRAME: the wooden, leafy frame drawn over the board.
#ifndef MKPICTURES_FRAME_ART_H
#define MKPICTURES_FRAME_ART_H

#include "entry_styles.h"

// The whole picture; the board window stays key colour.
void DrawFrame(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
