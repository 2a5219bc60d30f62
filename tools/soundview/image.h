// An RGB picture and its PNG file.
#ifndef SOUNDVIEW_IMAGE_H
#define SOUNDVIEW_IMAGE_H

#include <cstdint>
#include <string>
#include <vector>

struct Colour {
    uint8_t r, g, b;
};

struct Image {
    Image(int width, int height, Colour fill);
    void Set(int x, int y, Colour c);  // points outside are ignored

    int width;
    int height;
    std::vector<uint8_t> rgb;
};

bool WritePng(const Image& image, const std::string& path);

#endif
