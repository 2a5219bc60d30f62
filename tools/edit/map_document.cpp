// The map document: opened through the game's own reader, written cell by cell.
#include "map_document.h"

#include <stdio.h>

#include "stage/map_reader.h"
#include "stage/play_state.h"

MapDocument NewMapDocument(void)
{
    MapDocument document;
    document.frogColumn = 1;
    document.frogRow = 1;
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            bool edge = x == 0 || y == 0 || x == BOARD_COLUMNS - 1 || y == BOARD_ROWS - 1;
            document.cells[x][y] = edge ? WALL_CELL : EMPTY_CELL;
        }
    }
    return document;
}

static unsigned char ValueChar(int value)
{
    return (unsigned char)(value + '0');
}

static unsigned char WritableParam(int value)
{
    unsigned char c = ValueChar(value);
    return (c == '\n' || c == '\r' || c == 0x1A || c == 0xFF) ? '0' : c;
}

OpenedMap OpenMapDocument(const std::string& bytes)
{
    MapBytes source = {(const unsigned char*)bytes.data(), bytes.size(), 0};
    MapText text;
    OpenMapText(&text, NextMemoryByte, &source);
    MapOrigins origins = {};
    ReadStageLayout(&text, 0, origins, MapReport{NULL, NULL});
    OpenedMap opened;
    opened.bytes = bytes;
    opened.document.frogColumn = g_frogX / CELL_SIZE;
    opened.document.frogRow = g_frogY / CELL_SIZE;
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            opened.document.cells[x][y] = MapCellChars{ValueChar(g_board[x][y].tile), WritableParam(g_board[x][y].param)};
        }
    }
    return opened;
}

std::string MapDocumentBytes(const MapDocument& document)
{
    std::string out;
    out += (char)ValueChar(document.frogColumn);
    out += (char)ValueChar(document.frogRow);
    out += '\n';
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            out += (char)document.cells[x][y].tile;
            out += (char)document.cells[x][y].param;
        }
        out += '\n';
    }
    return out;
}

bool SameDocument(const MapDocument& a, const MapDocument& b)
{
    return MapDocumentBytes(a) == MapDocumentBytes(b);
}

std::string BytesToSave(const MapDocument& document, const OpenedMap& opened)
{
    return SameDocument(document, opened.document) ? opened.bytes : MapDocumentBytes(document);
}

bool ReadFileBytes(const std::string& path, std::string* bytes)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (file == NULL) {
        return false;
    }
    bytes->clear();
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes->append(buffer, got);
    }
    bool ok = !ferror(file);
    fclose(file);
    return ok;
}

// Written beside the target first, so a failed save leaves the old file whole.
bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::string scratch = path + ".saving";
    FILE* file = fopen(scratch.c_str(), "wb");
    if (file == NULL) {
        return false;
    }
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = fclose(file) == 0 && ok;
    if (!ok || rename(scratch.c_str(), path.c_str()) != 0) {
        remove(scratch.c_str());
        return false;
    }
    return true;
}
