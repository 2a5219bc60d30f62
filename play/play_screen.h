// The play screen: the per-frame driver with its pause menu, the play clock,
// and the stage-clear sequence that follows it.
#ifndef PLAY_PLAY_SCREEN_H
#define PLAY_PLAY_SCREEN_H

void RunPlay(void);
// Brings the play clock up to date and draws it.
void DrawClock(void);
void RunStageClear(void);

#endif
