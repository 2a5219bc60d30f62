// Test helper: the eight pictures built once from the source tree's assets,
// as drawn in memory and as encoded BMP files read back.
#ifndef TESTS_PICTURES_GENERATED_PICTURES_H
#define TESTS_PICTURES_GENERATED_PICTURES_H

#include <vector>

#include "bmp_reader.h"
#include "canvas.h"

struct GeneratedPicture {
    Canvas canvas;
    std::vector<uint8_t> bytes;
    BmpFields bmp;
};

const Assets& TreeAssets();
const GeneratedPicture& Generated(AtlasPicture picture);

#endif
