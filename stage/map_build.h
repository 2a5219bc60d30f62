// The second half of map reading: cells, items and switches built from the
// tile and parameter values that the text put on the board.
#ifndef STAGE_MAP_BUILD_H
#define STAGE_MAP_BUILD_H

#include "stage/board.h"
#include "stage/map_reader.h"

// Where in the file each cell's tile character stood; 0 for cells not read.
struct CellOrigin {
    int line;
    int column;
};
typedef CellOrigin MapOrigins[BOARD_COLUMNS][BOARD_ROWS];

void BuildBoardFromTiles(const MapOrigins origins, MapReport report);

void ReportMapFault(MapReport report, int fault, int line, int column);

#endif
