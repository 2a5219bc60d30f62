// The solver's moves: sets of game keys held for a number of frames, and the
// frames of play they make from a restored snapshot.
#ifndef TOOLS_SOLVE_SOLVE_MOVES_H
#define TOOLS_SOLVE_SOLVE_MOVES_H

#include <windows.h>

#include <string>
#include <vector>

struct Move {
    std::vector<int> keys;
    std::string letters;
};

// Holding nothing, walking, climbing, operating, jumping and jumping sideways.
const std::vector<Move>& SolverMoves(void);

enum MoveEnd { MOVE_PLAYING, MOVE_CLEARED, MOVE_LEFT_PLAY };

struct MoveResult {
    MoveEnd end = MOVE_PLAYING;
    int frames = 0;          // frames played, up to and with the clear frame
    unsigned clearTime = 0;  // the play clock at the clear
};

// Plays `frames` frames of `move` from script frame `frame` on, stopping at
// the clear or when play is left.
MoveResult PlayMove(HWND window, const Move& move, int frame, int frames);

// Holds nothing through the stage's fade-in; the number of frames it took,
// or -1 when play never started within `limit` frames.
int PlayFadeIn(HWND window, int limit);

#endif
