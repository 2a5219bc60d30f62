// The palette's entries: the 40 tile codes and the 5 items, then the frog.
#include "editor_palette.h"

const PaletteEntry g_paletteEntries[PALETTE_ENTRIES] = {
    {{'0', '0'}, "empty (parameter: water 0-24)"},
    {{'1', '0'}, "wall"},
    {{'2', '0'}, "ladder"},
    {{'3', '0'}, "pipe mouth, pours left"},
    {{'4', '0'}, "pipe across"},
    {{'5', '0'}, "pipe mouth, pours right"},
    {{'6', '0'}, "pipe elbow right-down"},
    {{'7', '0'}, "pipe elbow left-down"},
    {{'8', '0'}, "pipe elbow up-right"},
    {{'9', '0'}, "pipe elbow up-left"},
    {{':', '0'}, "pipe funnel"},
    {{';', '0'}, "pipe down"},
    {{'<', '0'}, "pipe mouth, pours down"},
    {{'=', '0'}, "wall with pipe across"},
    {{'>', '0'}, "wall with pipe down"},
    {{'?', '0'}, "wall with window"},
    {{'@', '0'}, "wall with spikes"},
    {{'A', '0'}, "wheel switch (state 0/1)"},
    {{'B', '0'}, "stone block"},
    {{'C', '0'}, "earth block"},
    {{'D', '0'}, "leaf block"},
    {{'E', '0'}, "wood block"},
    {{'F', '1'}, "porthole (its switch number)"},
    {{'G', '1'}, "belt: drag left to right (direction / 0 1)"},
    {{'H', '0'}, "belt piece (direction switch)"},
    {{'I', '0'}, "belt piece (direction switch)"},
    {{'J', '0'}, "belt right end (run switch)"},
    {{'K', '1'}, "tap (1 pours)"},
    {{'L', '0'}, "solid block L"},
    {{'M', '0'}, "solid block M"},
    {{'N', '1'}, "lever switch (state / or 1)"},
    {{'O', '0'}, "solid block O"},
    {{'P', '0'}, "pressure plate switch"},
    {{'Q', '0'}, "ice floor (keeps ice frozen)"},
    {{'R', '0'}, "target"},
    {{'S', '0'}, "solid block S"},
    {{'T', '0'}, "solid block T"},
    {{'U', '0'}, "solid block U"},
    {{'V', '0'}, "solid block V"},
    {{'W', '0'}, "solid block W"},
    {{'X', '0'}, "crate"},
    {{'Y', '0'}, "metal block"},
    {{'Z', '0'}, "boulder"},
    {{'[', '0'}, "ice block"},
    {{'\\', '0'}, "star ball"},
    {{'0', '0'}, "frog's start: click a cell"},
};

const char* TileName(unsigned char tile)
{
    for (int i = 0; i < PALETTE_FROG; i++) {
        if (g_paletteEntries[i].chars.tile == tile) {
            return g_paletteEntries[i].name;
        }
    }
    return "unknown tile";
}

bool IsBeltTile(unsigned char tile)
{
    return tile >= 'G' && tile <= 'J';
}
