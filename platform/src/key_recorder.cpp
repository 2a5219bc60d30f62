// The key recorder. Runs of equal frames share a line. After every frame shown
// faded out it writes "# black": a screen change has just
// finished its fade-out, so a stage begins right after one of these marks.
#include "key_recorder.h"

#include <cstdio>
#include <string>
#include <vector>

#include "input_script.h"
#include "keymap.h"

namespace plat {

static FILE* g_record = NULL;
static std::string g_runKeys;
static int g_runFrames = 0;

bool OpenKeyRecord(const char* path)
{
    g_record = fopen(path, "w");
    return g_record != NULL;
}

static void EndRun()
{
    if (g_runFrames > 0) {
        fprintf(g_record, "%s %d\n", g_runKeys.c_str(), g_runFrames);
    }
    g_runFrames = 0;
}

void RecordHeldKeys(const PALETTEENTRY* palette)
{
    if (g_record == NULL) {
        return;
    }
    std::vector<int> held;
    for (const ScriptLetter& entry : SCRIPT_LETTERS) {
        if (KeyIsDown(entry.key)) {
            held.push_back(entry.key);
        }
    }
    std::string keys = ScriptKeys(held);
    if (keys != g_runKeys) {
        EndRun();
        g_runKeys = keys;
    }
    g_runFrames++;
    if (PaletteFadedOut(palette)) {
        EndRun();
        fprintf(g_record, "%s\n", BLACK_MARK);
    }
}

void CloseKeyRecord()
{
    if (g_record != NULL) {
        EndRun();
        fclose(g_record);
        g_record = NULL;
    }
}

}  // namespace plat
