// Play it: the edited stage in the game's own play scene, in the editor's
// window, with the keys of a clearing run kept beside the map as a replay.
#ifndef EDIT_EDITOR_PLAY_H
#define EDIT_EDITOR_PLAY_H

#include <windows.h>

#include <string>

void StartPlay(void);
// One frame of the game; returns to the editor at the clear or when play ends.
void StepPlay(HWND window);
void StopPlay(void);
bool Playing(void);

// The replay's name beside a map: "map3.map" keeps "map3.txt".
std::string ReplayPathFor(const std::string& mapPath);
// The time the simulator beside the editor clears the map in with the
// script, which is what the replay tests check; "" when it does not clear.
std::string ClearTimeBySimulator(const std::string& map, const std::string& script);
// The keys of a record without its "# black" marks.
std::string KeysOfRecord(const std::string& record);

#endif
