// A play time drawn in the digit pictures of the STRINGS atlas as
// minutes'seconds'milliseconds.
#ifndef SCREENS_TIME_DIGITS_H
#define SCREENS_TIME_DIGITS_H

#include <windows.h>

#include "video/atlas.h"

// A set of digit pictures: digit d is member d of `digit`. Each character
// moves the next one `step` pixels right, a separator only `separatorStep`.
struct TimePictures {
    AtlasId digit;
    AtlasId separator;
    int step;
    int separatorStep;
};

extern const TimePictures TIME_SMALL;
extern const TimePictures TIME_LARGE;

// Draws "%02d'%02d'%03d" of `time` from (x, y), colour-keyed, times past
// 99'59'999 as 99'59'999. Returns 0 as soon as a blit fails.
int DrawTime(DWORD time, LONG x, LONG y, const TimePictures* pictures);

#endif
