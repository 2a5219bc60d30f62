// The play screen: the per-frame driver with its pause menu, the play clock,
// and the stage-clear sequence that follows it.
#ifndef PLAY_PLAY_SCREEN_H
#define PLAY_PLAY_SCREEN_H

// Palette step of the fades that open and close a stage.
const int PLAY_FADE_STEP = 20;

void RunPlay(void);
// Brings the play clock up to date and draws it.
void DrawClock(void);
void RunStageClear(void);

// The layers the play screen and the clear sequence share: the background
// under the board, and the frog under the frame. 1 when every blit succeeded.
int DrawPlayBoard(void);
int DrawFrogAndFrame(void);

#endif
