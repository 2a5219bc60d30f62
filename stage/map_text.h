// Map bytes read as a text-mode stream reads them (CR LF as LF, Ctrl-Z as
// the end), whichever platform runs, with the position of each character.
#ifndef STAGE_MAP_TEXT_H
#define STAGE_MAP_TEXT_H

#include <stddef.h>

const int MAP_END = -1;

// A byte supplier: returns the next byte 0..255, or MAP_END.
typedef int (*MapByteFn)(void* context);

struct MapText {
    MapByteFn next;
    void* context;
    int pending;
    int ended;
    int line;
    int column;
    int nextLine;
    int nextColumn;
};

void OpenMapText(MapText* text, MapByteFn next, void* context);
// The next character (0..255), or MAP_END; line and column then give its
// 1-based position.
int ReadMapChar(MapText* text);

// Suppliers: an open FILE*, or bytes in memory.
int NextFileByte(void* file);
struct MapBytes {
    const unsigned char* data;
    size_t size;
    size_t pos;
};
int NextMemoryByte(void* bytes);

#endif
