// The solver's result as an input script in the replay format.
#ifndef TOOLS_SOLVE_SOLVE_SCRIPT_H
#define TOOLS_SOLVE_SOLVE_SCRIPT_H

#include <string>

#include "solve_search.h"

// The script with its heading, its '# clear time N' line and one step a line.
std::string ScriptText(const std::string& mapName, const SolveReport& report);

#endif
