// The second half of map reading: cells, items and switches built from the
// tile and parameter values that the text put on the board.
#ifndef STAGE_MAP_BUILD_H
#define STAGE_MAP_BUILD_H

#include "stage/board.h"
#include "stage/map_reader.h"

void BuildBoardFromTiles(const MapOrigins origins, MapReport report);

void ReportMapFault(MapReport report, int fault, int line, int column);

#endif
