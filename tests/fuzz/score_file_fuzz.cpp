// Fuzzes reading "score.dat": any bytes as the file, then a save of the table
// read, which must write 240 slots of seven digits that read back the same.
#include <windows.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app_state.h"
#include "screens/score_file.h"
#include "stage/play_state.h"

int g_resultRank;
void WINAPI OutputDebugStringA(LPCSTR) {}

static const size_t FILE_SIZE = SCORE_STAGES * BEST_TIME_SLOTS * SCORE_DIGITS;

static char g_folder[64];

static void RemoveFolder(void)
{
    remove("score.dat");
    remove("score.dat.tmp");
    rmdir(g_folder);
}

// Saves sync the file, so the scratch folder is in memory where there is one.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char folder[] = "/dev/shm/score_fuzz.XXXXXX";
    char fallback[] = "/tmp/score_fuzz.XXXXXX";
    const char* made = mkdtemp(folder);
    if (made == NULL) {
        made = mkdtemp(fallback);
    }
    if (made == NULL || chdir(made) != 0) {
        perror("score_file_fuzz: scratch folder");
        abort();
    }
    snprintf(g_folder, sizeof g_folder, "%s", made);
    atexit(RemoveFolder);
    return 0;
}

static void WriteBytes(const char* path, const uint8_t* data, size_t size)
{
    FILE* file = fopen(path, "wb");
    if (file == NULL || fwrite(data, 1, size, file) != size || fclose(file) != 0) {
        abort();
    }
}

static size_t ReadBytes(const char* path, char* text, size_t capacity)
{
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        abort();
    }
    size_t size = fread(text, 1, capacity, file);
    fclose(file);
    return size;
}

static bool AllDigits(const uint8_t* data, size_t size)
{
    for (size_t i = 0; i < size; i++) {
        if (data[i] < '0' || data[i] > '9') {
            return false;
        }
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteBytes("score.dat", data, size);
    LoadScores();
    DWORD table[SCORE_STAGES][BEST_TIME_SLOTS];
    memcpy(table, g_bestTimes, sizeof table);
    for (int s = 0; s < SCORE_STAGES; s++) {
        for (int k = 0; k < BEST_TIME_SLOTS; k++) {
            if (table[s][k] > SCORE_UNSET_TIME) {
                abort();
            }
        }
    }
    // An unset time ranks below every slot, so the save writes the table as read.
    g_stageNo = 1 + size % SCORE_STAGES;
    g_playTime = SCORE_UNSET_TIME;
    g_resultRank = 1;
    SaveScores();
    char saved[FILE_SIZE + 1];
    if (ReadBytes("score.dat", saved, sizeof saved) != FILE_SIZE || !AllDigits((const uint8_t*)saved, FILE_SIZE) ||
        access("score.dat.tmp", F_OK) == 0) {
        abort();
    }
    if (size >= FILE_SIZE && AllDigits(data, FILE_SIZE) && memcmp(saved, data, FILE_SIZE) != 0) {
        abort();
    }
    LoadScores();
    if (memcmp(table, g_bestTimes, sizeof table) != 0) {
        abort();
    }
    return 0;
}
