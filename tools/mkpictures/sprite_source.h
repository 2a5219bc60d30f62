// Hand-drawn pictures read from the text sources in assets/sprites: pixel
// grids, one character per pixel, each naming the atlas rectangle it fills.
//
// A source file holds, in any order:
//   # comment
//   colour C NAME            legend: character C stands for the colour NAME
//                            (see ink_names.h); holds for the grids below it
//   sprite ENTRY [N [F]]     a grid for member N, frame F (default 0 0) of the
//                            atlas entry labelled ENTRY ('_' for spaces); as
//                            many rows as the rectangle is high follow, each
//                            exactly as wide as the rectangle
//   mirror ENTRY N F from ENTRY N F
//                            the left-right mirror image of a grid given above
#ifndef MKPICTURES_SPRITE_SOURCE_H
#define MKPICTURES_SPRITE_SOURCE_H

#include <stdint.h>
#include <string>
#include <vector>

#include "image8.h"

struct Sprite {
    AtlasId id;
    int32_t member;
    int32_t frame;
    std::vector<uint8_t> pixels;    // the rectangle's pixels, top row first
};

// Reads one source; name is what errors call it. Appends its sprites, which
// may mirror sprites already in the list. False, with the line, on the first
// fault: an unknown entry, member or frame, a row of the wrong width or with
// a character outside the legend, a grid cut short, a rectangle given twice.
bool ParseSprites(const std::string& text, const std::string& name, std::vector<Sprite>* sprites,
                  std::string* error);

// Every *.txt file in the folder, in name order. A missing folder has none.
bool LoadSpriteFolder(const std::string& dir, std::vector<Sprite>* sprites, std::string* error);

// Copies every sprite of the picture over its rectangle.
void PasteSprites(Image8& image, AtlasPicture picture, const std::vector<Sprite>& sprites);

#endif
