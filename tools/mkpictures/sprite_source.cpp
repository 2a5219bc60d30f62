// Hand-drawn pictures read from the text sources in assets/sprites: a legend
// of characters, then pixel grids, each naming the atlas rectangle it fills.
#include "sprite_source.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "ink_names.h"

struct SpriteReader {
    std::istringstream lines;
    std::string name;
    int32_t lineNo;
    std::map<char, uint8_t> legend;
    std::vector<Sprite>* sprites;
    std::string* error;
};

static bool Fail(SpriteReader& r, const std::string& why)
{
    *r.error = r.name + ":" + std::to_string(r.lineNo) + ": " + why;
    return false;
}

static bool NextLine(SpriteReader& r, std::string* line)
{
    if (!std::getline(r.lines, *line)) {
        return false;
    }
    ++r.lineNo;
    if (!line->empty() && line->back() == '\r') {
        line->pop_back();
    }
    return true;
}

static bool FindEntry(const std::string& word, AtlasId* id)
{
    std::string label = word;
    std::replace(label.begin(), label.end(), '_', ' ');
    for (int32_t i = 0; i < ATLAS_COUNT; ++i) {
        if (label == g_atlas[i].label) {
            *id = static_cast<AtlasId>(i);
            return true;
        }
    }
    return false;
}

// "ENTRY [N [F]]" naming a rectangle of the table.
static bool ReadPlace(SpriteReader& r, std::istringstream& in, bool full, Sprite* place)
{
    std::string entry;
    place->member = 0;
    place->frame = 0;
    if (!(in >> entry) || !FindEntry(entry, &place->id)) {
        return Fail(r, "no atlas entry \"" + entry + "\"");
    }
    bool both = (in >> place->member) && (in >> place->frame);
    if (full && !both) {
        return Fail(r, "expected member and frame");
    }
    const AtlasEntry& e = g_atlas[place->id];
    if (place->member < 0 || place->member >= e.count || place->frame < 0 || place->frame >= e.frames) {
        return Fail(r, entry + " has no member " + std::to_string(place->member) + " frame " +
                           std::to_string(place->frame));
    }
    return true;
}

static const Sprite* Find(const std::vector<Sprite>& sprites, const Sprite& place)
{
    for (const Sprite& s : sprites) {
        if (s.id == place.id && s.member == place.member && s.frame == place.frame) {
            return &s;
        }
    }
    return nullptr;
}

static bool Taken(SpriteReader& r, const Sprite& place)
{
    return Find(*r.sprites, place) != nullptr && !Fail(r, "this rectangle has a sprite already");
}

static bool ReadColour(SpriteReader& r, std::istringstream& in)
{
    std::string symbol;
    std::string words;
    uint8_t ink = 0;
    if (!(in >> symbol) || symbol.size() != 1 || !std::getline(in, words) || !ParseInkName(words, &ink)) {
        return Fail(r, "expected \"colour C NAME\" with a known colour");
    }
    r.legend[symbol[0]] = ink;
    return true;
}

static bool ReadGrid(SpriteReader& r, std::istringstream& in)
{
    Sprite sprite;
    if (!ReadPlace(r, in, false, &sprite) || Taken(r, sprite)) {
        return false;
    }
    AtlasBox box = AtlasMember(sprite.id, sprite.member, sprite.frame);
    size_t width = static_cast<size_t>(box.right - box.left);
    std::string row;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        if (!NextLine(r, &row)) {
            return Fail(r, "grid cut short");
        }
        if (row.size() != width) {
            return Fail(r, "row of " + std::to_string(row.size()) + " pixels, expected " + std::to_string(width));
        }
        for (char c : row) {
            std::map<char, uint8_t>::const_iterator ink = r.legend.find(c);
            if (ink == r.legend.end()) {
                return Fail(r, std::string("'") + c + "' is not in the legend");
            }
            sprite.pixels.push_back(ink->second);
        }
    }
    r.sprites->push_back(sprite);
    return true;
}

static bool SameSize(const Sprite& a, const Sprite& b)
{
    AtlasBox x = AtlasMember(a.id, a.member, a.frame);
    AtlasBox y = AtlasMember(b.id, b.member, b.frame);
    return x.right - x.left == y.right - y.left && x.bottom - x.top == y.bottom - y.top;
}

static bool ReadMirror(SpriteReader& r, std::istringstream& in)
{
    Sprite sprite;
    Sprite from;
    std::string word;
    if (!ReadPlace(r, in, true, &sprite) || Taken(r, sprite)) {
        return false;
    }
    if (!(in >> word) || word != "from" || !ReadPlace(r, in, true, &from)) {
        return Fail(r, "expected \"mirror ENTRY N F from ENTRY N F\"");
    }
    const Sprite* source = Find(*r.sprites, from);
    if (source == nullptr || !SameSize(sprite, from)) {
        return Fail(r, "nothing of this size to mirror");
    }
    AtlasBox box = AtlasMember(sprite.id, sprite.member, sprite.frame);
    size_t width = static_cast<size_t>(box.right - box.left);
    sprite.pixels = source->pixels;
    for (size_t row = 0; row < sprite.pixels.size(); row += width) {
        std::reverse(sprite.pixels.begin() + row, sprite.pixels.begin() + row + width);
    }
    r.sprites->push_back(sprite);
    return true;
}

typedef bool (*DirectiveFn)(SpriteReader& r, std::istringstream& in);

static const struct {
    const char* word;
    DirectiveFn read;
} g_directives[] = {{"colour", ReadColour}, {"sprite", ReadGrid}, {"mirror", ReadMirror}};

bool ParseSprites(const std::string& text, const std::string& name, std::vector<Sprite>* sprites,
                  std::string* error)
{
    SpriteReader r;
    r.lines.str(text);
    r.name = name;
    r.lineNo = 0;
    r.sprites = sprites;
    r.error = error;
    std::string line;
    while (NextLine(r, &line)) {
        std::istringstream in(line);
        std::string word;
        if (!(in >> word) || word[0] == '#') {
            continue;
        }
        DirectiveFn read = nullptr;
        for (const auto& d : g_directives) {
            read = word == d.word ? d.read : read;
        }
        if (read == nullptr) {
            return Fail(r, "unknown line \"" + line + "\"");
        }
        if (!read(r, in)) {
            return false;
        }
    }
    return true;
}

bool LoadSpriteFolder(const std::string& dir, std::vector<Sprite>* sprites, std::string* error)
{
    std::error_code ec;
    std::vector<std::string> paths;
    for (const auto& file : std::filesystem::directory_iterator(dir, ec)) {
        if (file.path().extension() == ".txt") {
            paths.push_back(file.path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths) {
        std::ifstream in(path.c_str());
        std::stringstream text;
        text << in.rdbuf();
        if (!in || !ParseSprites(text.str(), path, sprites, error)) {
            *error = in ? *error : "cannot read " + path;
            return false;
        }
    }
    return true;
}

void PasteSprites(Image8& image, AtlasPicture picture, const std::vector<Sprite>& sprites)
{
    for (const Sprite& s : sprites) {
        if (g_atlas[s.id].picture != picture) {
            continue;
        }
        AtlasBox box = AtlasMember(s.id, s.member, s.frame);
        size_t at = 0;
        for (int32_t y = box.top; y < box.bottom; ++y) {
            for (int32_t x = box.left; x < box.right; ++x) {
                PutPixel(image, x, y, s.pixels[at++]);
            }
        }
    }
}
