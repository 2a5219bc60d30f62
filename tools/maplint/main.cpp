// maplint: reads stage map files as the game does and reports, with file,
// line and column, every break of the map's limits; exits 1 on any.
// With --text or --json it also prints each loaded board.
#include <stdio.h>
#include <string.h>

#include <string>

#include "stage/board_dump.h"
#include "stage/map_reader.h"
#include "stage/map_text.h"

struct LintFile {
    const char* path;
    int faults;
};

static void PrintFault(void* context, int fault, int line, int column)
{
    LintFile* file = (LintFile*)context;
    printf("%s:%d:%d: %s\n", file->path, line, column, MapFaultText(fault));
    file->faults++;
}

static int LintOne(const char* path, const char* dump)
{
    FILE* stream = fopen(path, "rb");
    if (stream == NULL) {
        printf("%s: cannot be opened\n", path);
        return 1;
    }
    LintFile file = {path, 0};
    MapText text;
    OpenMapText(&text, NextFileByte, stream);
    ReadStageMap(&text, 0, MapReport{PrintFault, &file});
    fclose(stream);
    if (dump != NULL) {
        std::string out = strcmp(dump, "--json") == 0 ? DumpBoardJson() : DumpBoardText();
        fputs(out.c_str(), stdout);
    }
    return file.faults > 0;
}

int main(int argc, char** argv)
{
    const char* dump = NULL;
    int first = 1;
    if (argc > 1 && (strcmp(argv[1], "--text") == 0 || strcmp(argv[1], "--json") == 0)) {
        dump = argv[1];
        first = 2;
    }
    if (first >= argc) {
        fprintf(stderr, "usage: maplint [--text | --json] FILE.map...\n");
        return 2;
    }
    int failed = 0;
    for (int i = first; i < argc; i++) {
        failed |= LintOne(argv[i], dump);
    }
    return failed;
}
