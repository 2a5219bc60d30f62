// The title menu (GAME START, OPTION, EXIT) and the option screen.
#ifndef SCREENS_TITLE_H
#define SCREENS_TITLE_H

#include <windows.h>

extern int g_titleCursor;
extern int g_titleFadeIn;
extern int g_titleLeaving;
extern int g_titleToProlog;
extern DWORD g_titleIdleSince;
extern double g_logoY;
extern double g_logoVy;
extern int g_optionCursor;

void InitTitle(void);
void RunTitle(void);
void InitOption(void);
void RunOption(void);

#endif
