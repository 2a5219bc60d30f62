// Test helpers: map text written in the test, loaded through the game's
// reader, with the faults it reported.
#ifndef TESTS_STAGE_MAP_LOADING_H
#define TESTS_STAGE_MAP_LOADING_H

#include <string>
#include <vector>

struct SeenFault {
    int fault;
    int line;
    int column;
    bool operator==(const SeenFault& other) const
    {
        return fault == other.fault && line == other.line && column == other.column;
    }
};

// Loads `text` as a map file's bytes and returns the faults in report order.
std::vector<SeenFault> LoadMapText(const std::string& text);

// A whole map: the frog line, then `rows` (cells of two characters), each
// padded with walls to 25 cells, and wall rows up to 19.
std::string WalledMap(const std::vector<std::string>& rows, const std::string& frog = "00");

#endif
