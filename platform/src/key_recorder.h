// The platform's key recorder (--record FILE): the game keys held in every
// presented frame, written as input-script lines "KEYS FRAMES".
#ifndef PLATFORM_KEY_RECORDER_H
#define PLATFORM_KEY_RECORDER_H

#include <windows.h>

namespace plat {

bool OpenKeyRecord(const char* path);
// Called once per presented frame with the palette it was shown in.
void RecordHeldKeys(const PALETTEENTRY* palette);
void CloseKeyRecord();

}  // namespace plat

#endif
