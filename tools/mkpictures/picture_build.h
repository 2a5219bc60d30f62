// Building one of the eight pictures from the assets.
#ifndef MKPICTURES_PICTURE_BUILD_H
#define MKPICTURES_PICTURE_BUILD_H

#include "canvas.h"

// The picture at its size and with its colour table, every entry of the
// atlas table that lies in it drawn in table order, then its sprites
// pasted. missingGlyphs counts characters the fonts could not letter.
Canvas BuildPicture(AtlasPicture picture, const Assets& assets);

#endif
