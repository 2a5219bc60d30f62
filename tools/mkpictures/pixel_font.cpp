// Pixel fonts read from the text glyph files in assets/font.
#include "pixel_font.h"

#include <cstdio>
#include <fstream>

static bool ParseGlyphHeader(const std::string& line, char* c)
{
    if (line.size() < 3 || line[0] != '=' || line[1] != ' ') {
        return false;
    }
    std::string name = line.substr(2);
    if (name == "space") {
        *c = ' ';
        return true;
    }
    *c = name[0];
    return name.size() == 1;
}

static bool IsGlyphRow(const std::string& row, int32_t width)
{
    return static_cast<int32_t>(row.size()) == width && row.find_first_not_of("#.") == std::string::npos;
}

bool LoadPixelFont(const std::string& path, PixelFont* font, std::string* error)
{
    std::ifstream in(path.c_str());
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    font->width = 0;
    font->height = 0;
    font->glyphs.clear();
    std::string line;
    while (std::getline(in, line)) {
        char c = 0;
        if (line.empty() || line.compare(0, 2, "//") == 0) {
            continue;
        }
        if (line.compare(0, 5, "size ") == 0) {
            if (sscanf(line.c_str(), "size %d %d", &font->width, &font->height) != 2) {
                *error = path + ": bad size line";
                return false;
            }
            continue;
        }
        if (!ParseGlyphHeader(line, &c) || font->height <= 0) {
            *error = path + ": unexpected line \"" + line + "\"";
            return false;
        }
        std::vector<std::string>& rows = font->glyphs[c];
        rows.clear();
        while (static_cast<int32_t>(rows.size()) < font->height && std::getline(in, line)) {
            if (!IsGlyphRow(line, font->width)) {
                *error = path + ": bad row in glyph '" + std::string(1, c) + "'";
                return false;
            }
            rows.push_back(line);
        }
        if (static_cast<int32_t>(rows.size()) != font->height) {
            *error = path + ": glyph '" + std::string(1, c) + "' is cut short";
            return false;
        }
    }
    if (font->glyphs.empty()) {
        *error = path + ": no glyphs";
        return false;
    }
    return true;
}

int32_t TextWidth(const PixelFont& font, const std::string& text, int32_t scale)
{
    if (text.empty()) {
        return 0;
    }
    return static_cast<int32_t>(text.size()) * (font.width + 1) * scale - scale;
}

int32_t TextHeight(const PixelFont& font, int32_t scale)
{
    return font.height * scale;
}

static bool Inside(const AtlasBox& clip, int32_t x, int32_t y)
{
    return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
}

static void DrawGlyph(Image8& image, const std::vector<std::string>& rows, int32_t x, int32_t y,
                      int32_t scale, uint8_t ink, const AtlasBox& clip)
{
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t col = 0; col < rows[row].size(); ++col) {
            if (rows[row][col] != '#') {
                continue;
            }
            for (int32_t dy = 0; dy < scale; ++dy) {
                for (int32_t dx = 0; dx < scale; ++dx) {
                    int32_t px = x + static_cast<int32_t>(col) * scale + dx;
                    int32_t py = y + static_cast<int32_t>(row) * scale + dy;
                    if (Inside(clip, px, py)) {
                        PutPixel(image, px, py, ink);
                    }
                }
            }
        }
    }
}

int32_t DrawText(Image8& image, const PixelFont& font, int32_t x, int32_t y, const std::string& text,
                 int32_t scale, uint8_t ink, const AtlasBox& clip)
{
    int32_t missing = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        std::map<char, std::vector<std::string> >::const_iterator glyph = font.glyphs.find(text[i]);
        if (glyph == font.glyphs.end()) {
            ++missing;
            continue;
        }
        int32_t gx = x + static_cast<int32_t>(i) * (font.width + 1) * scale;
        DrawGlyph(image, glyph->second, gx, y, scale, ink, clip);
    }
    return missing;
}
