// What is wrong with a map: the faults the game's reader reports, with their
// line and column, and what is legal but surely a mistake.
#ifndef EDIT_MAP_CHECKS_H
#define EDIT_MAP_CHECKS_H

#include <string>
#include <vector>

#include "map_document.h"

enum {
    CHECK_NO_TARGET,
    CHECK_TOO_FEW_ITEMS,
    CHECK_IDLE_SWITCH,
    CHECK_WALLED_ITEM,
    CHECK_FROG_IN_WALL,
    CHECK_DRY_TAP,
    CHECK_BOXED_TAP,
    CHECK_KINDS,
};

struct MapCheck {
    bool fault;  // a break of the map's limits, else a warning
    int kind;    // MAP_FAULT_* for faults, CHECK_* for warnings
    int line;    // 1-based in the file; 0 for a warning
    int column;
    int x;       // the cell it concerns, -1 for the whole map
    int y;
    std::string text;
};

struct MapChecks {
    std::vector<MapCheck> found;
    // The switch number each cell shows: a switch's own, the one a device names; 0 for none.
    int switchNumber[BOARD_COLUMNS][BOARD_ROWS];
};

// Reads the bytes with the game's reader: the faults only.
std::vector<MapCheck> MapFaults(const std::string& bytes);
// Faults and warnings of the document, as the game would load it.
MapChecks CheckMap(const MapDocument& document);
int CountFaults(const std::vector<MapCheck>& found);

#endif
