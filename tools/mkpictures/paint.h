// Painting helpers for the larger pictures: repeatable noise, ordered
// dithering between the shades of a ramp, and the wood grain of signs and
// frames.
#ifndef MKPICTURES_PAINT_H
#define MKPICTURES_PAINT_H

#include <stdint.h>

#include "mask.h"

// The same value for the same arguments on every run: 0 to 255.
int32_t Noise(int32_t x, int32_t y, int32_t seed);
// Smooth noise: Noise sampled every cell pixels and blended between, 0 to 255.
int32_t SmoothNoise(int32_t x, int32_t y, int32_t cell, int32_t seed);

// A shade of the 16-entry ramp starting at base, for a shade given in
// fractions: the fraction is dithered with a 4 x 4 ordered pattern. Shades
// are kept within low and high.
uint8_t DitherShade(uint8_t base, double shade, int32_t x, int32_t y, int32_t low, int32_t high);

// Fills the mask with the ramp, shade running from `from` at the mask's top
// to `to` at its bottom, dithered.
void PaintGradient(Image8& image, const Mask& mask, uint8_t base, double from, double to, int32_t low,
                   int32_t high);

// Planks of the given width over the mask, lying (or standing when upright):
// a wavy grain in the ramp around shade mid, a dark seam between planks and
// a light edge on the other side.
void PaintPlanks(Image8& image, const Mask& mask, uint8_t base, int32_t mid, int32_t plankSize, int32_t seed,
                 bool upright);

#endif
