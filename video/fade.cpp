// Palette fades: every colour moves one step per call towards the target
// palette or towards black. Entry 255 is never touched.
#include "video/draw.h"

#include "video/display.h"

static const int FADED_ENTRIES = 255;

int FadeIn(int step)
{
    PALETTEENTRY entries[256];
    g_palette->GetEntries(0, 0, 256, entries);
    int arrived = 1;
    for (int i = 0; i < FADED_ENTRIES; i++) {
        BYTE* channels[3] = {&entries[i].peRed, &entries[i].peGreen, &entries[i].peBlue};
        const BYTE targets[3] = {g_paletteTarget[i].peRed, g_paletteTarget[i].peGreen,
                                 g_paletteTarget[i].peBlue};
        for (int c = 0; c < 3; c++) {
            if (*channels[c] + step < targets[c]) {
                *channels[c] = (BYTE)(*channels[c] + step);
                arrived = 0;
            } else {
                *channels[c] = targets[c];
            }
        }
    }
    g_palette->SetEntries(0, 0, 256, entries);
    return arrived;
}

int FadeOut(int step)
{
    PALETTEENTRY entries[256];
    g_palette->GetEntries(0, 0, 256, entries);
    int arrived = 1;
    for (int i = 0; i < FADED_ENTRIES; i++) {
        BYTE* channels[3] = {&entries[i].peRed, &entries[i].peGreen, &entries[i].peBlue};
        for (int c = 0; c < 3; c++) {
            if (*channels[c] > step) {
                *channels[c] = (BYTE)(*channels[c] - step);
                arrived = 0;
            } else {
                *channels[c] = 0;
            }
        }
    }
    g_palette->SetEntries(0, 0, 256, entries);
    return arrived;
}

void SetPaletteBlack(void)
{
    PALETTEENTRY entries[256];
    g_palette->GetEntries(0, 0, 256, entries);
    for (int i = 0; i < FADED_ENTRIES; i++) {
        entries[i].peRed = 0;
        entries[i].peGreen = 0;
        entries[i].peBlue = 0;
    }
    g_palette->SetEntries(0, 0, 256, entries);
}
