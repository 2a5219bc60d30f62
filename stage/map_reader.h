// Reading a stage map into the board, the items, the switch table and the
// frog's start, with every break of the map's limits passed to a reporter.
#ifndef STAGE_MAP_READER_H
#define STAGE_MAP_READER_H

#include "stage/board.h"
#include "stage/map_text.h"

// Where in the file each cell's tile character stood; 0 for cells not read.
struct CellOrigin {
    int line;
    int column;
};
typedef CellOrigin MapOrigins[BOARD_COLUMNS][BOARD_ROWS];

enum {
    MAP_FAULT_FROG_LINE_TAIL,
    MAP_FAULT_FROG_OUTSIDE,
    MAP_FAULT_LONG_LINE,
    MAP_FAULT_EXTRA_LINES,
    MAP_FAULT_CUT_CELL,
    MAP_FAULT_UNKNOWN_TILE,
    MAP_FAULT_TOO_MANY_ITEMS,
    MAP_FAULT_OPEN_BELT,
    MAP_FAULT_NO_SUCH_SWITCH,
    MAP_FAULT_KINDS,
};

// Called once per fault with its 1-based line and column in the file.
typedef void (*MapReportFn)(void* context, int fault, int line, int column);

struct MapReport {
    MapReportFn fn;
    void* context;
};

// What each fault means, and what the loader does about it.
const char* MapFaultText(int fault);

// The first half of reading, for tools that keep the file's own characters:
// the board is reset, the frog's start set and each cell read left with its
// tile and parameter values as written, before any item or switch is built.
void ReadStageLayout(MapText* text, int now, MapOrigins origins, MapReport report);

// Builds the whole stage from the text: every visible cell is reset first,
// surplus content is skipped, and switch numbers naming no switch read as 0.
// `now` stamps the cells' animation clocks.
void ReadStageMap(MapText* text, int now, MapReport report);

#endif
