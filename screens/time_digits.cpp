// Play times in digit pictures, for the stage select and the result screen.
#include "screens/time_digits.h"

#include <stdio.h>

#include "video/display.h"
#include "video/draw.h"

const TimePictures TIME_SMALL = {ATLAS_BEST_TIME_DIGIT, ATLAS_BEST_TIME_SEPARATOR, 20, 10};
const TimePictures TIME_LARGE = {ATLAS_RESULT_DIGIT, ATLAS_RESULT_SEPARATOR, 35, 25};

// The play clock stops at 99'59'999; a longer time is a slot no play has
// filled yet, shown as that so that it keeps to nine characters.
static const DWORD TIME_SHOWN_MAX = 5999999;

int DrawTime(DWORD time, LONG x, LONG y, const TimePictures* pictures)
{
    if (time > TIME_SHOWN_MAX) {
        time = TIME_SHOWN_MAX;
    }
    char text[16];
    snprintf(text, sizeof text, "%02d'%02d'%03d", (int)(time / 60000), (int)(time / 1000 % 60), (int)(time % 1000));
    for (const char* c = text; *c != '\0'; c++) {
        int digit = *c >= '0' && *c <= '9';
        RECT source = digit ? AtlasRect(pictures->digit, *c - '0') : AtlasRect(pictures->separator);
        if (BlitImage(g_back, x, y, g_stringsImg, &source, 1) != DD_OK) {
            return 0;
        }
        x += digit ? pictures->step : pictures->separatorStep;
    }
    return 1;
}
