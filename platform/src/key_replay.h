// The platform's key replay (--replay FILE): an input script plays the game
// keys in the real window, one step frame by frame, so a recorded or written
// session runs exactly as the simulator runs it. A "# black" line holds no keys
// until a frame has been shown faded out. When the script ends
// the keyboard takes over.
#ifndef PLATFORM_KEY_REPLAY_H
#define PLATFORM_KEY_REPLAY_H

#include <windows.h>

#include <string>

namespace plat {

// Reads the script; on failure returns false with the reason in `error`.
bool OpenKeyReplay(const char* path, std::string& error);
// While the replay runs: true, with `down` set to whether it holds the key.
bool ReplayDecidesKey(int virtualKey, bool& down);
// Called once per presented frame with the palette it was shown in.
void AdvanceKeyReplay(const PALETTEENTRY* palette);
void CloseKeyReplay();

}  // namespace plat

#endif
