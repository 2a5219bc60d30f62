// Full-screen placeholders of the keyed 640 x 480 pictures: FRAME, STAGE,
// TITLE and SCORE, each a plain layout with its name lettered large.
#ifndef MKPICTURES_SCREEN_LAYOUTS_H
#define MKPICTURES_SCREEN_LAYOUTS_H

#include "entry_styles.h"

// The board area the frame leaves open, and the stage select's windows.
extern const AtlasBox g_frameBoardWindow;
extern const AtlasBox g_stagePreviewWindow;
extern const AtlasBox g_stageGridWindow;

void DrawFrameScreen(Canvas& canvas, AtlasId id, const EntryStyle& style);
void DrawStageScreen(Canvas& canvas, AtlasId id, const EntryStyle& style);
void DrawTitleScreen(Canvas& canvas, AtlasId id, const EntryStyle& style);
void DrawScoreScreen(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
