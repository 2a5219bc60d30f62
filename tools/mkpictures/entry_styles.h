// How each atlas rectangle is drawn as a placeholder: one style per table
// entry, in the table's order.
#ifndef MKPICTURES_ENTRY_STYLES_H
#define MKPICTURES_ENTRY_STYLES_H

#include <stdint.h>
#include <string>

#include "canvas.h"

struct EntryStyle;
typedef void (*DrawEntryFn)(Canvas& canvas, AtlasId id, const EntryStyle& style);

struct EntryStyle {
    AtlasId id;
    DrawEntryFn draw;
    uint8_t fill;
    uint8_t ink;            // outline and lettering
    const char* words;      // '|'-separated texts, one per member or panel row
    int32_t maxScale;       // largest lettering scale; 0 for the small font only
};

extern const EntryStyle g_entryStyles[ATLAS_COUNT];

// Word n of a '|'-separated list, or "" past its end; a null list has none.
std::string WordAt(const char* words, int32_t n);
int32_t WordCount(const char* words);

#endif
