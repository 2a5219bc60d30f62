// The prolog: five story pages, each a picture and two lines of text.
#ifndef SCREENS_PROLOG_H
#define SCREENS_PROLOG_H

#include <windows.h>

extern int g_prologPage;
extern RECT g_prologSrc;
extern int g_prologFadingIn;
extern int g_prologFadingOut;
extern int g_prologLevel;
extern DWORD g_prologPageStart;
extern int g_prologSkip;
extern int g_prologKeyLatch;
// The story's lines in the language of the interface.
extern const char (*g_prologText)[80];

void InitProlog(void);
void RunProlog(void);

#endif
