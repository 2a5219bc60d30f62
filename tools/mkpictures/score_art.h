// SCORE: the result screen's picture.
#ifndef MKPICTURES_SCORE_ART_H
#define MKPICTURES_SCORE_ART_H

#include "entry_styles.h"

void DrawScore(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
