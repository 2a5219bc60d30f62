// What counts as a stage's map file, and LoadStageMap, which reads it into the
// board telling the debugger about every part of the file that had to be skipped.
#include "stage/map_file.h"

#include <windows.h>

#include "app/app_state.h"
#include "stage/map_reader.h"

static void ReportToDebugger(void* context, int fault, int line, int)
{
    char text[160];
    snprintf(text, sizeof text, "%s line %d: %s\n", (const char*)context, line, MapFaultText(fault));
    OutputDebugStringA(text);
}

FILE* OpenStageMapFile(int stageNo)
{
    char name[32];
    snprintf(name, sizeof name, "map/map%d.map", stageNo);
    FILE* file = fopen(name, "rb");
    if (file == NULL) {
        return NULL;
    }
    int first = fgetc(file);
    if (first == EOF && ferror(file)) {
        fclose(file);
        return NULL;
    }
    if (first != EOF) {
        ungetc(first, file);
    }
    return file;
}

// Binary reading with the text-mode rules applied by the reader, so that
// every platform reads a map the same way.
void LoadStageMap(void)
{
    char name[20];
    snprintf(name, sizeof name, "map/map%d.map", g_stageNo);
    MapText text;
    FILE* file = OpenStageMapFile(g_stageNo);
    if (file == NULL) {
        char line[64];
        snprintf(line, sizeof line, "Could not open %s\n", name);
        OutputDebugStringA(line);
        MapBytes nothing = {NULL, 0, 0};
        OpenMapText(&text, NextMemoryByte, &nothing);
        ReadStageMap(&text, (int)g_now, MapReport{NULL, NULL});
        return;
    }
    OpenMapText(&text, NextFileByte, file);
    ReadStageMap(&text, (int)g_now, MapReport{ReportToDebugger, name});
    fclose(file);
}
