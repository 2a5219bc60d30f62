// The play state after a frame, as one line of JSON for other tools to read.
#ifndef TOOLS_SIM_SIM_STATE_H
#define TOOLS_SIM_SIM_STATE_H

#include <string>

std::string StateJson(int frame);

#endif
