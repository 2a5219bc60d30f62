// The result screen: the time just played, the stage's three best times as
// they stood before it, and the row the new time takes, if any.
#ifndef SCREENS_RESULT_H
#define SCREENS_RESULT_H

extern int g_resultRank;
extern int g_resultFadeIn;
extern int g_resultLeaving;

void InitResult(void);
void RunResult(void);

#endif
