// Text-mode reading of map bytes and the two byte suppliers.
#include "stage/map_text.h"

#include <stdio.h>

static const int NO_BYTE = -2;
static const int CTRL_Z = 26;

void OpenMapText(MapText* text, MapByteFn next, void* context)
{
    text->next = next;
    text->context = context;
    text->pending = NO_BYTE;
    text->ended = 0;
    text->line = 1;
    text->column = 0;
    text->nextLine = 1;
    text->nextColumn = 1;
}

static int NextRaw(MapText* text)
{
    if (text->pending != NO_BYTE) {
        int c = text->pending;
        text->pending = NO_BYTE;
        return c;
    }
    return text->next(text->context);
}

// A CR is dropped only when an LF follows it; Ctrl-Z ends the text for good.
static int Translate(MapText* text)
{
    int c = NextRaw(text);
    if (c == MAP_END || c == CTRL_Z) {
        text->ended = 1;
        return MAP_END;
    }
    if (c == '\r') {
        int after = NextRaw(text);
        if (after == '\n') {
            return '\n';
        }
        text->pending = after;
    }
    return c;
}

int ReadMapChar(MapText* text)
{
    if (text->ended) {
        return MAP_END;
    }
    int c = Translate(text);
    if (c == MAP_END) {
        return MAP_END;
    }
    text->line = text->nextLine;
    text->column = text->nextColumn;
    if (c == '\n') {
        text->nextLine++;
        text->nextColumn = 1;
    } else {
        text->nextColumn++;
    }
    return c;
}

int NextFileByte(void* file)
{
    int c = fgetc((FILE*)file);
    return c == EOF ? MAP_END : c;
}

int NextMemoryByte(void* bytes)
{
    MapBytes* source = (MapBytes*)bytes;
    if (source->pos >= source->size) {
        return MAP_END;
    }
    return source->data[source->pos++];
}
