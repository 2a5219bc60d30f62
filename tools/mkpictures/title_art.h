// TITLE: the title and option screens' picture.
#ifndef MKPICTURES_TITLE_ART_H
#define MKPICTURES_TITLE_ART_H

#include "entry_styles.h"

void DrawTitle(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
