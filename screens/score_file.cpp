// Reading, ranking and saving the best times of "score.dat": 240 times of
// seven digits each, stage by stage and slot by slot, with nothing between.
#include "screens/score_file.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "app/app_state.h"
#include "screens/result.h"
#include "stage/play_state.h"

DWORD g_bestTimes[SCORE_STAGES][BEST_TIME_SLOTS];
int g_scoresUnsaved;

static const char SCORE_FILE[] = "score.dat";
static const char SCORE_TEMP_FILE[] = "score.dat.tmp";
static const int SCORE_FILE_SIZE = SCORE_STAGES * BEST_TIME_SLOTS * SCORE_DIGITS;

DWORD* StageBestTimes(int stageNo)
{
    int index = stageNo < 1 ? 0 : stageNo > SCORE_STAGES ? SCORE_STAGES - 1 : stageNo - 1;
    return g_bestTimes[index];
}

static void ClearScores(void)
{
    for (int s = 0; s < SCORE_STAGES; s++) {
        for (int k = 0; k < BEST_TIME_SLOTS; k++) {
            g_bestTimes[s][k] = SCORE_UNSET_TIME;
        }
    }
}

// Always takes seven characters, so that one bad slot leaves the positions
// of the slots after it alone. Returns 0 when the slot was not seven digits.
static int ReadSlot(FILE* file, DWORD* slot)
{
    DWORD value = 0;
    int digits = 0;
    for (int i = 0; i < SCORE_DIGITS; i++) {
        int c = fgetc(file);
        if (c >= '0' && c <= '9') {
            value = value * 10 + (DWORD)(c - '0');
            digits++;
        }
    }
    *slot = digits == SCORE_DIGITS ? value : SCORE_UNSET_TIME;
    return digits == SCORE_DIGITS;
}

// A missing file is a first run: every slot can be beaten, and the first
// save creates the file.
void LoadScores(void)
{
    ClearScores();
    FILE* file = fopen(SCORE_FILE, "r");
    if (file == NULL) {
        return;
    }
    int unreadable = 0;
    for (int s = 0; s < SCORE_STAGES; s++) {
        for (int k = 0; k < BEST_TIME_SLOTS; k++) {
            unreadable += !ReadSlot(file, &g_bestTimes[s][k]);
        }
    }
    fclose(file);
    if (unreadable > 0) {
        char line[96];
        snprintf(line, sizeof line, "score.dat: %d of %d best times unreadable, read as %d\n", unreadable,
                 SCORE_STAGES * BEST_TIME_SLOTS, (int)SCORE_UNSET_TIME);
        OutputDebugStringA(line);
    }
}

void RefreshScores(void)
{
    if (!g_scoresUnsaved) {
        LoadScores();
    }
}

int RankPlayTime(void)
{
    const DWORD* slots = StageBestTimes(g_stageNo);
    for (int k = 0; k < BEST_TIME_SLOTS; k++) {
        if (slots[k] > g_playTime) {
            return k + 1;
        }
    }
    return 0;
}

// The new time goes in before the first longer one; the old third drops out.
static void InsertPlayTime(void)
{
    DWORD* slots = StageBestTimes(g_stageNo);
    DWORD carried = g_playTime;
    for (int k = 0; k < BEST_TIME_SLOTS; k++) {
        if (carried < slots[k]) {
            DWORD moved = slots[k];
            slots[k] = carried;
            carried = moved;
        }
        char line[16];
        snprintf(line, sizeof line, "%07d\n", (int)slots[k]);
        OutputDebugStringA(line);
    }
}

static void FormatScores(char text[SCORE_FILE_SIZE + 1])
{
    for (int s = 0; s < SCORE_STAGES; s++) {
        for (int k = 0; k < BEST_TIME_SLOTS; k++) {
            char* at = text + SCORE_DIGITS * (BEST_TIME_SLOTS * s + k);
            snprintf(at, SCORE_DIGITS + 1, "%07d", (int)g_bestTimes[s][k]);
        }
    }
}

#ifdef _WIN32
static int SyncFile(FILE* file)
{
    return _commit(_fileno(file)) == 0;
}

// The system's reason goes into errno, as the C library's calls leave theirs.
static int MoveOver(const char* from, const char* to)
{
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 1;
    }
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return 0;
}
#else
static int SyncFile(FILE* file)
{
    return fsync(fileno(file)) == 0;
}

static int MoveOver(const char* from, const char* to)
{
    return rename(from, to) == 0;
}
#endif

// The temporary file is on the disk in full before it may replace the old one.
static int WriteTempFile(const char* text)
{
    FILE* file = fopen(SCORE_TEMP_FILE, "w");
    if (file == NULL) {
        return 0;
    }
    int written = fwrite(text, 1, SCORE_FILE_SIZE, file) == (size_t)SCORE_FILE_SIZE && fflush(file) == 0 &&
                  SyncFile(file);
    int closed = fclose(file) == 0;
    return written && closed;
}

// A failed save is told to the player, who would otherwise lose a record
// without a word; the reason is the first failing step's.
static void ReportSaveFailure(int reason)
{
    OutputDebugStringA("score.dat not saved: the old file is kept\n");
    fprintf(stderr, "frogpond: score.dat not saved (%s); the best times are kept until the next save\n",
            strerror(reason));
}

void SaveScores(void)
{
    InsertPlayTime();
    if (g_resultRank == 0 && !g_scoresUnsaved) {
        return;
    }
    OutputDebugStringA("ScoreSave\n");
    char text[SCORE_FILE_SIZE + 1];
    FormatScores(text);
    errno = 0;
    if (!WriteTempFile(text) || !MoveOver(SCORE_TEMP_FILE, SCORE_FILE)) {
        int reason = errno != 0 ? errno : EIO;
        remove(SCORE_TEMP_FILE);
        ReportSaveFailure(reason);
        g_scoresUnsaved = 1;
        return;
    }
    g_scoresUnsaved = 0;
}
