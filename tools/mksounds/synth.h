// Renders a score to stereo samples: every note of every voice through its
// instrument, fitted to the exact length of the wave, tails wrapped round
// to the start when the sound loops.
#ifndef MKSOUNDS_SYNTH_H
#define MKSOUNDS_SYNTH_H

#include <vector>

#include "score.h"

// Interleaved left and right samples, scaled to the score's peak level.
std::vector<float> RenderScore(const Score& score);

#endif
