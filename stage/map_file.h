// Loading the map file of the current stage into the board.
#ifndef STAGE_MAP_FILE_H
#define STAGE_MAP_FILE_H

// Reads "map/map<g_stageNo>.map". A fault in the file is skipped with a debug
// line; a missing file gives a board of empty cells.
void LoadStageMap(void);

#endif
