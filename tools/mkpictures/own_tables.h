// The colour tables of BACKIMG and PROLOG, which the game does not use as its
// palette: each lists the game palette's sixteen ramps in an order of its
// own, the picture's main ramps first, so that the game's nearest-colour
// conversion gives every pixel back the colour it was painted in.
#ifndef MKPICTURES_OWN_TABLES_H
#define MKPICTURES_OWN_TABLES_H

#include "image8.h"

// A picture painted in the game palette moved to its own table: the table
// reordered and every pixel renumbered with it. Other pictures stay as
// they are.
void ToOwnTable(Image8& image, AtlasPicture picture);

#endif
