// Text drawing for the GDI stand-in: CP932 text in a LOGFONT-described font,
// written monochrome into an 8-bit indexed canvas.
#pragma once

#include <cstdint>
#include <string>

namespace plat {

// A font as a LOGFONT describes it.
struct FontRequest {
    int height;  // > 0 cell height, < 0 character (em) height, 0 default
    int weight;  // 400 normal, 700 bold
    bool italic;
    std::string faceCp932;
};

// An 8-bit indexed canvas (a surface's memory).
struct IndexedCanvas {
    uint8_t* pixels;
    int width;
    int height;
    int pitch;
};

// Draws CP932 text with its top-left at (x, y), in palette index `colour`,
// transparent background, clipped to the canvas. Returns false (and draws
// nothing) when no face or no converter is available.
bool RenderText(const FontRequest& font, IndexedCanvas& canvas, int x, int y, const char* textCp932, int byteLength,
                uint8_t colour);

// The file and family fontconfig chose for a face name, as "path (family)";
// empty when there is none.
std::string ResolvedFontFile(const std::string& faceCp932);

}  // namespace plat
