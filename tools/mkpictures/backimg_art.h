// BACKIMG: the calm backdrop behind the board.
#ifndef MKPICTURES_BACKIMG_ART_H
#define MKPICTURES_BACKIMG_ART_H

#include "entry_styles.h"

void DrawBackImg(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
