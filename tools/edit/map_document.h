// The map being edited: the frog's start and every cell's two characters as
// the file holds them, opened through the game's reader and saved as bytes.
#ifndef EDIT_MAP_DOCUMENT_H
#define EDIT_MAP_DOCUMENT_H

#include <string>

#include "stage/board.h"

struct MapCellChars {
    unsigned char tile;
    unsigned char param;
    bool operator==(const MapCellChars& other) const { return tile == other.tile && param == other.param; }
    bool operator!=(const MapCellChars& other) const { return !(*this == other); }
};

struct MapDocument {
    int frogColumn;
    int frogRow;
    MapCellChars cells[BOARD_COLUMNS][BOARD_ROWS];
};

// What was opened, so that a map saved as it was opened keeps its own bytes
// (CR LF line ends, say) instead of the mended ones.
struct OpenedMap {
    MapDocument document;
    std::string bytes;
};

const MapCellChars EMPTY_CELL = {'0', '0'};
const MapCellChars WALL_CELL = {'1', '0'};

// An empty board walled all round, the frog in the top-left corner.
MapDocument NewMapDocument(void);

// Reads the bytes as the game reads them, with the same mends; a parameter
// character that cannot be written back (a line end, Ctrl-Z) becomes "0".
OpenedMap OpenMapDocument(const std::string& bytes);

// The map file's bytes: the frog line and 19 lines of 25 cells, each ended by LF.
std::string MapDocumentBytes(const MapDocument& document);

// The bytes to save: those opened when nothing differs from them.
std::string BytesToSave(const MapDocument& document, const OpenedMap& opened);

bool SameDocument(const MapDocument& a, const MapDocument& b);

bool ReadFileBytes(const std::string& path, std::string* bytes);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

#endif
