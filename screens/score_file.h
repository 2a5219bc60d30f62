// The three best times of every stage: the table, its file "score.dat" and
// the ranking of a new time against a stage's three.
#ifndef SCREENS_SCORE_FILE_H
#define SCREENS_SCORE_FILE_H

#include <windows.h>

const int SCORE_STAGES = 80;
const int BEST_TIME_SLOTS = 3;
const int SCORE_DIGITS = 7;
// The largest time the file can hold: a slot holding it is beaten by any play.
const DWORD SCORE_UNSET_TIME = 9999999;

extern DWORD g_bestTimes[SCORE_STAGES][BEST_TIME_SLOTS];

// The slots of stage `stageNo` (1-based), the number kept within 1..80.
DWORD* StageBestTimes(int stageNo);

// Fills the table from "score.dat". A missing file, or a slot that is cut off
// or holds anything but seven digits, reads as SCORE_UNSET_TIME.
void LoadScores(void);

// 1 + the first slot of stage g_stageNo holding a longer time than
// g_playTime, or 0 when none does.
int RankPlayTime(void);

// The stage select's reading of the table: from the file, unless an earlier
// save failed, in which case the table in memory holds times the file lacks
// and stays as it is.
void RefreshScores(void);

// Inserts g_playTime into stage g_stageNo's slots and, when g_resultRank is
// not 0 or an earlier save failed, rewrites "score.dat" through a temporary
// file so that a failed save leaves the old file whole. A failure is told on
// stderr with its reason, and the times are kept in memory for the next try.
void SaveScores(void);

// 1 while the table holds best times that "score.dat" lacks.
extern int g_scoresUnsaved;

#endif
