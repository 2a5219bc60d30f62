// The game palette's source: a text file of 256 "r g b" lines.
#include "palette_file.h"

#include <fstream>
#include <sstream>

static bool ParseColour(const std::string& line, Rgb* colour)
{
    std::istringstream in(line);
    int r = -1;
    int g = -1;
    int b = -1;
    std::string rest;
    if (!(in >> r >> g >> b) || (in >> rest)) {
        return false;
    }
    if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255) {
        return false;
    }
    colour->r = static_cast<uint8_t>(r);
    colour->g = static_cast<uint8_t>(g);
    colour->b = static_cast<uint8_t>(b);
    return true;
}

bool LoadPaletteFile(const std::string& path, Palette* palette, std::string* error)
{
    std::ifstream in(path.c_str());
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    size_t count = 0;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        Rgb colour;
        if (count == palette->size() || !ParseColour(line, &colour)) {
            *error = path + ":" + std::to_string(lineNo) + ": expected " +
                     (count == palette->size() ? "no more colours" : "\"r g b\" of 0 to 255");
            return false;
        }
        (*palette)[count++] = colour;
    }
    if (count != palette->size()) {
        *error = path + ": " + std::to_string(count) + " colours instead of 256";
        return false;
    }
    return true;
}
