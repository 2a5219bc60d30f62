// The wooden signs every screen shows its words on: a frame of planks round
// a dark pond-green board, and small plaques with a carved word.
#ifndef MKPICTURES_BOARDS_H
#define MKPICTURES_BOARDS_H

#include "canvas.h"
#include "lettering.h"

// Frame width of the signs, and of the narrow ones.
static const int32_t SIGN_FRAME = 12;
static const int32_t SIGN_FRAME_NARROW = 6;

// A sign filling the box with round corners: a dark outline, the planks of
// a frame of the given width, and inside it the board, shaded and rippled,
// or flat in INK_SCORE_BOARD where pictures are laid on it unkeyed.
void PaintSign(Image8& image, const AtlasBox& box, int32_t frame, bool flat);
// A plaque of light planks filling the box, the word carved in it.
void PaintPlaque(Canvas& canvas, const AtlasBox& box, const std::string& word, const TypeSize& size);

#endif
