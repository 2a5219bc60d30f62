// The prolog's story: ten lines in code page 932, two per page, in Japanese
// and in English.
#ifndef SCREENS_PROLOG_TEXT_H
#define SCREENS_PROLOG_TEXT_H

extern const char g_prologLines[10][80];
extern const char g_prologLinesEnglish[10][80];

#endif
