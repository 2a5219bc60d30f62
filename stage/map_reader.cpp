// Reads the frog's start and the cells' tile and parameter characters, each
// character's value being its code minus that of "0", then builds the board.
#include "stage/map_reader.h"

#include "stage/items.h"
#include "stage/map_build.h"
#include "stage/play_state.h"
#include "stage/switches.h"

static const int STOP_BYTE = 0xFF;

static const char* const FAULT_TEXT[MAP_FAULT_KINDS] = {
    "characters after the frog's two on line 1 (skipped)",
    "frog start outside the board (moved inside)",
    "line longer than 25 cells (rest of the line skipped)",
    "more than 19 board lines (the rest of the file skipped)",
    "file or line ends inside a cell",
    "unknown tile code",
    "more than 100 items (the rest become empty cells)",
    "belt left end with no right end after it (the belt ends at the edge)",
    "switch number that names no switch (read as none)",
};

const char* MapFaultText(int fault)
{
    return FAULT_TEXT[fault];
}

void ReportMapFault(MapReport report, int fault, int line, int column)
{
    if (report.fn != NULL) {
        report.fn(report.context, fault, line, column);
    }
}

static int CharValue(int c)
{
    return (signed char)(c & 0xFF) - '0';
}

static int ReadFrogCoordinate(MapText* text, int column, int cells, MapReport report)
{
    int value = CharValue(ReadMapChar(text));
    if (value < 0 || value >= cells) {
        ReportMapFault(report, MAP_FAULT_FROG_OUTSIDE, 1, column);
        value = value < 0 ? 0 : cells - 1;
    }
    return value * CELL_SIZE;
}

// Whether cell (x, y) of the text lies on the board; reports surplus where it
// starts, extra lines only once.
static int CellOnBoard(int x, int y, const MapText* text, MapReport report, int* extraReported)
{
    if (y < 0) {
        ReportMapFault(report, MAP_FAULT_FROG_LINE_TAIL, text->line, text->column);
        return 0;
    }
    if (y >= BOARD_ROWS) {
        if (!*extraReported) {
            ReportMapFault(report, MAP_FAULT_EXTRA_LINES, text->line, text->column);
            *extraReported = 1;
        }
        return 0;
    }
    if (x >= BOARD_COLUMNS) {
        ReportMapFault(report, MAP_FAULT_LONG_LINE, text->line, text->column);
        return 0;
    }
    return 1;
}

static int EndsText(int c)
{
    return c == MAP_END || c == STOP_BYTE;
}

// Off-board content is skipped up to the end of its line, so that the lines
// after it still read as written.
static int SkipRestOfLine(MapText* text)
{
    int c = ReadMapChar(text);
    while (!EndsText(c) && c != '\n') {
        c = ReadMapChar(text);
    }
    return c;
}

// Line 1's line feed moves to row 0, each later one to the next row. A cell's
// parameter is read whatever it is, so a cut cell swallows the line feed.
static void ReadCells(MapText* text, MapOrigins origins, MapReport report)
{
    int x = 0;
    int y = -1;
    int extraReported = 0;
    int c = ReadMapChar(text);
    while (!EndsText(c)) {
        if (c == '\n') {
            y++;
            x = 0;
        } else if (!CellOnBoard(x, y, text, report, &extraReported)) {
            c = SkipRestOfLine(text);
            continue;
        } else {
            CellOrigin origin = {text->line, text->column};
            int p = ReadMapChar(text);
            if (p == MAP_END || p == '\n') {
                ReportMapFault(report, MAP_FAULT_CUT_CELL, origin.line, origin.column);
            }
            g_board[x][y].tile = CharValue(c);
            g_board[x][y].param = CharValue(p);
            origins[x][y] = origin;
            x++;
        }
        c = ReadMapChar(text);
    }
}

void ReadStageLayout(MapText* text, int now, MapOrigins origins, MapReport report)
{
    ResetBoard(now);
    ClearItems();
    g_targetCount = 0;
    g_frogX = ReadFrogCoordinate(text, 1, BOARD_COLUMNS, report);
    g_frogY = ReadFrogCoordinate(text, 2, BOARD_ROWS, report);
    ReadCells(text, origins, report);
}

void ReadStageMap(MapText* text, int now, MapReport report)
{
    MapOrigins origins = {};
    ReadStageLayout(text, now, origins, report);
    BuildBoardFromTiles(origins, report);
    ApplySwitches();
}
