// Placeholder drawings shared by every atlas: labelled boxes and separators.
#ifndef MKPICTURES_PLACEHOLDERS_H
#define MKPICTURES_PLACEHOLDERS_H

#include "entry_styles.h"

// Lettering that reads well on a fill: black on light shades, white on dark.
uint8_t ContrastInk(uint8_t fill);
// A darker shade of the same ramp.
uint8_t DarkerInk(uint8_t fill);

// Another entry already drew these pixels.
void DrawNothing(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Fill and outline only.
void DrawPlainBoxes(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Fill, outline and the member's text: its word, or the label with the
// member and frame numbers.
void DrawLabelledBoxes(Canvas& canvas, AtlasId id, const EntryStyle& style);
// The time separator "'" on key colour, in the box's left half: the next
// digit is drawn over the right part of the box.
void DrawSeparator(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
