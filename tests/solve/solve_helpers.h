// Test helpers: a shipped or test map played headless, frame by frame, with
// the globals a new process starts with.
#ifndef TESTS_SOLVE_SOLVE_HELPERS_H
#define TESTS_SOLVE_SOLVE_HELPERS_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "input_script.h"

std::string ReadFile(const std::string& path);
// A shipped map's text, or a test map's from tests/solve/maps.
std::string ShippedMap(int stage);
std::string TestMap(const std::string& name);
// The keys of each frame of stage N's replay, one entry a frame.
std::vector<std::vector<int>> ReplayFrames(int stage);
// Every play global back to what a new process starts with.
void RestoreFreshGlobals(void);
// Runs `body` in a game of the map, started from a new process's globals.
void WithGame(const std::string& mapText, const std::function<void(HWND)>& body);

#endif
