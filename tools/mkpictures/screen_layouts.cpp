// The windows of the keyed screen pictures: where FRAME and STAGE stay key
// colour so that what is drawn under them shows through.
#include "screen_layouts.h"

const AtlasBox g_frameBoardWindow = {20, 12, 620, 468};
const AtlasBox g_stagePreviewWindow = {33, 27, 283, 217};
const AtlasBox g_stageGridWindow = {34, 299, 284, 459};
