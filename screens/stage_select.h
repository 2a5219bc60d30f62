// The stage select: the grid of stage numbers, a miniature of the chosen
// stage's map, its number and its three best times.
#ifndef SCREENS_STAGE_SELECT_H
#define SCREENS_STAGE_SELECT_H

#include "stage/board.h"

extern int g_selectFadeIn;
extern int g_selectLeaving;
extern int g_selectToPlay;

// The chosen stage's map as read for the preview, [column][row] like the
// board; cells the map does not reach are empty.
extern int g_previewTile[BOARD_COLUMNS][BOARD_ALL_ROWS];
extern int g_previewLevel[BOARD_COLUMNS][BOARD_ALL_ROWS];
extern int g_previewShowLevel[BOARD_COLUMNS][BOARD_ALL_ROWS];
// 1 when the last LoadPreview found the map file; only then can it be played.
extern int g_previewFound;

void InitStageSelect(void);
void RunStageSelect(void);
// Reads the map file of g_stageNo into the preview grids.
void LoadPreview(void);
// Draws the preview, the stage number and the three best times; 0 as soon as
// a blit fails.
int DrawPreview(void);

#endif
