// The windows of the keyed screen pictures: where FRAME and STAGE stay key
// colour so that what is drawn under them shows through.
#ifndef MKPICTURES_SCREEN_LAYOUTS_H
#define MKPICTURES_SCREEN_LAYOUTS_H

#include "image8.h"

// The board (25 x 19 cells of 24 pixels at (20, 12)), the stage preview
// (25 x 19 miniatures of 10 pixels at (33, 27)) and the stage grid (10 x 8
// cells of 25 x 20 at (34, 299)).
extern const AtlasBox g_frameBoardWindow;
extern const AtlasBox g_stagePreviewWindow;
extern const AtlasBox g_stageGridWindow;

#endif
