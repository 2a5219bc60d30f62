// CHARA placeholders of liquid, streams and items.
#ifndef MKPICTURES_CHARA_SPRITES_H
#define MKPICTURES_CHARA_SPRITES_H

#include "entry_styles.h"

// A plain fill without outline, for pictures the game cuts to a height.
void DrawLiquid(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Crests on the top row, water below; the phases are shifted.
void DrawSurfaceStrip(Canvas& canvas, AtlasId id, const EntryStyle& style);
// A falling band of water on key colour, striped by phase.
void DrawStream(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Each item type in its own colour, one picture per row.
void DrawItems(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
