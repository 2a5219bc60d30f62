// Colours by name, as sprite legends write them: "key", "black", "white",
// a palette index, or a ramp of assets/palette/game.txt and a shade 0 to 15.
#ifndef MKPICTURES_INK_NAMES_H
#define MKPICTURES_INK_NAMES_H

#include <stdint.h>
#include <string>

// False when the words name no colour, or a shade the ramp lacks.
bool ParseInkName(const std::string& words, uint8_t* ink);

#endif
