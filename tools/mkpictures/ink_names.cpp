// Colours by name, as sprite legends write them: "key", "black", "white",
// a palette index, or a ramp of the game palette and a shade 0 to 15.
#include "ink_names.h"

#include <sstream>
#include <vector>

#include "inks.h"

struct RampName {
    const char* name;
    InkRamp ramp;
    int shades;
};

static const RampName g_rampNames[] = {
    {"grey", RAMP_GREY, 16},     {"stone", RAMP_STONE, 16},   {"leaf", RAMP_LEAF, 15},
    {"wood", RAMP_WOOD, 16},     {"earth", RAMP_EARTH, 16},   {"water", RAMP_WATER, 16},
    {"teal", RAMP_TEAL, 16},     {"metal", RAMP_METAL, 16},   {"ice", RAMP_ICE, 16},
    {"red", RAMP_RED, 16},       {"gold", RAMP_GOLD, 16},     {"frog", RAMP_FROG, 16},
    {"purple", RAMP_PURPLE, 16}, {"peach", RAMP_PEACH, 16},   {"sky", RAMP_SKY, 16},
};

static const struct {
    const char* name;
    uint8_t ink;
} g_plainNames[] = {{"key", INK_KEY}, {"black", INK_BLACK}, {"white", INK_WHITE}};

static bool ParseRamp(const std::string& name, int shade, uint8_t* ink)
{
    for (const RampName& r : g_rampNames) {
        if (name == r.name && shade >= 0 && shade < r.shades) {
            *ink = Ink(r.ramp, shade);
            return true;
        }
    }
    return false;
}

static bool ParseIndex(const std::string& word, uint8_t* ink)
{
    if (word.empty() || word.size() > 3 || word.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    int index = std::stoi(word);
    *ink = static_cast<uint8_t>(index);
    return index <= 255;
}

static bool ParsePlain(const std::string& word, uint8_t* ink)
{
    for (const auto& plain : g_plainNames) {
        if (word == plain.name) {
            *ink = plain.ink;
            return true;
        }
    }
    return ParseIndex(word, ink);
}

bool ParseInkName(const std::string& words, uint8_t* ink)
{
    std::istringstream in(words);
    std::vector<std::string> parts;
    std::string word;
    while (in >> word) {
        parts.push_back(word);
    }
    uint8_t shade = 0;
    if (parts.size() == 1) {
        return ParsePlain(parts[0], ink);
    }
    return parts.size() == 2 && ParseIndex(parts[1], &shade) && ParseRamp(parts[0], shade, ink);
}
