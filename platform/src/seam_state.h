// What the seam records beyond the shared state: message boxes and frames.
#ifndef PLATFORM_SEAM_STATE_H
#define PLATFORM_SEAM_STATE_H

#include <windows.h>

namespace plat {

void RecordMessageBox(const char* caption, const char* text);
void RecordFrame(const BYTE* indices, int pitch, int width, int height, const PALETTEENTRY* palette);
void ResetWindowing();
void SetInjectedKey(int virtualKey, bool down);
void PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam);
void ResetDisplayPacing();

}  // namespace plat

#endif
