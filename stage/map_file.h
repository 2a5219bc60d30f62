// The map file of a stage: what counts as one, and loading it into the board.
#ifndef STAGE_MAP_FILE_H
#define STAGE_MAP_FILE_H

#include <stdio.h>

// Opens "map/map<stageNo>.map" for binary reading, or gives NULL. A name that
// opens but cannot be read (a folder, say) is no map, as on a system where
// it cannot be opened at all: the stage count, the preview and the stage
// start all ask here, so they agree.
FILE* OpenStageMapFile(int stageNo);

// Reads "map/map<g_stageNo>.map". A fault in the file is skipped with a debug
// line; a missing file gives a board of empty cells.
void LoadStageMap(void);

#endif
