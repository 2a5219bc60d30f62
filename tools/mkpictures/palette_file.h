// The game palette's source: a text file of 256 "r g b" lines.
#ifndef MKPICTURES_PALETTE_FILE_H
#define MKPICTURES_PALETTE_FILE_H

#include <string>

#include "image8.h"

// Lines starting with '#' and blank lines are comments. Returns false and
// says why unless exactly 256 colours of 0 to 255 are read.
bool LoadPaletteFile(const std::string& path, Palette* palette, std::string* error);

#endif
