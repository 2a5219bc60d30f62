// The search for a clearing key script from the stage start, over saved and
// restored copies of the play state.
#ifndef TOOLS_SOLVE_SOLVE_SEARCH_H
#define TOOLS_SOLVE_SOLVE_SEARCH_H

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "input_script.h"

enum SearchOrder {
    ORDER_NOVELTY,   // new features first, then new layouts, then the rest
    ORDER_BREADTH,   // every state by its frame, earliest first
};

struct SolveOptions {
    double seconds = 60.0;
    int moveFrames = 8;              // frames each move holds its keys
    int maxFrames = 5 * 60 * 60;     // no script plays longer than this
    size_t memoryBytes = (size_t)4000 << 20;
    SearchOrder order = ORDER_NOVELTY;
};

enum SolveOutcome { SOLVE_CLEARED, SOLVE_NO_CLEAR, SOLVE_OUT_OF_TIME, SOLVE_OUT_OF_MEMORY };

struct SolveReport {
    SolveOutcome outcome = SOLVE_OUT_OF_TIME;
    std::vector<ScriptStep> steps;   // the fastest clear found, from frame 0
    unsigned clearTime = 0;
    int clearFrames = 0;
    bool exhaustedWithinBound = false;   // the search ran out of states only because of maxFrames
    std::string reason;                  // why the board can never be cleared, when seen at the start
    long long framesPlayed = 0;
    long long states = 0;                // distinct states kept
    double seconds = 0.0;
    double firstClearSeconds = -1.0;
};

// Searches from the stage start of the game behind `window`, which must be
// at frame 0 of the stage.
void SolveStage(HWND window, const SolveOptions& options, SolveReport& report);

#endif
