// STAGE: the stage select's picture with its two windows.
#ifndef MKPICTURES_STAGE_ART_H
#define MKPICTURES_STAGE_ART_H

#include "entry_styles.h"

void DrawStage(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
