// The solver beside the editor: F6 searches the saved map for a clear while
// editing goes on, and keeps the clear it finds as the map's replay.
#ifndef EDIT_EDITOR_SOLVE_H
#define EDIT_EDITOR_SOLVE_H

void StartSolve(void);
// Once a frame: takes the solver's answer when it has finished.
void PollSolve(void);
bool Solving(void);

#endif
