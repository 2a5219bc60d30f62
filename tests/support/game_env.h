// Test helpers: a fresh headless platform with the game's window and display
// set up, and a scratch folder to run in.
#ifndef TESTS_SUPPORT_GAME_ENV_H
#define TESTS_SUPPORT_GAME_ENV_H

#include <windows.h>

#include <string>

// Resets the platform and the game's shared state; no window yet. Input comes
// from the keyboard, as after a start-up that found no joystick.
void ResetGame();
// ResetGame, then the window and the display as WinMain sets them up.
HWND StartDisplay();
// True when a debug line equal to `line` was written.
bool HasDebugLine(const std::string& line);

// True while some voice of sound `id` is playing.
bool SoundPlaying(int id);

// Runs the test in a new empty folder, and goes back afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    void WriteFile(const std::string& path, const std::string& bytes) const;
    const std::string& Path() const { return path_; }

private:
    std::string previous_;
    std::string path_;
};

#endif
