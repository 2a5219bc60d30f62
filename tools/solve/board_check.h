// The checks that show at the stage start, before any search, that a board
// can never be cleared.
#ifndef TOOLS_SOLVE_BOARD_CHECK_H
#define TOOLS_SOLVE_BOARD_CHECK_H

#include <string>

#include "play/play_snapshot.h"

// False, with the reason, when no play could ever cover every target.
bool BoardCanBeCleared(const PlaySnapshot& start, std::string& reason);

#endif
