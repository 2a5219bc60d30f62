// The stage start: the play state reset, the map loaded, the music chosen.
#ifndef STAGE_STAGE_START_H
#define STAGE_STAGE_START_H

// Runs once in scene 30, then hands over to the play scene in the same frame.
void StartStage(void);

#endif
