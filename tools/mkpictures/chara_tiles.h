// CHARA placeholders of the board tiles and their 10 x 10 miniatures.
#ifndef MKPICTURES_CHARA_TILES_H
#define MKPICTURES_CHARA_TILES_H

#include "entry_styles.h"

// Every tile code with its animation frames; code 0 stays key colour.
void DrawTiles(Canvas& canvas, AtlasId id, const EntryStyle& style);
// The stopped belt piece.
void DrawBeltStopped(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Miniatures of the tile codes and, after them, of the five items.
void DrawPreviewTiles(Canvas& canvas, AtlasId id, const EntryStyle& style);

// Fill of item type t (1 to 5), shared by the items and their miniatures.
uint8_t ItemFill(int32_t type);
const char* ItemTag(int32_t type);

#endif
