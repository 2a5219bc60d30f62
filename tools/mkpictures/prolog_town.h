// The prolog's town of animals in the forest, one street in four moods:
// sunny, in the storm, under the flood and dried out under a rainbow.
#ifndef MKPICTURES_PROLOG_TOWN_H
#define MKPICTURES_PROLOG_TOWN_H

#include "image8.h"

enum TownMood { TOWN_SUNNY, TOWN_STORM, TOWN_FLOOD, TOWN_RAINBOW };

// The street filling the cell.
void PaintTown(Image8& image, const AtlasBox& cell, TownMood mood);

#endif
