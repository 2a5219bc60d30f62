// mkpictures <outdir>: writes the game's eight bitmaps.
//
// Every rectangle of the atlas table (video/atlas_rects) is drawn where the
// screens take it from. Rectangles with a hand-drawn pixel grid in
// assets/sprites show it; the others show a placeholder: a fill, a one-pixel
// outline and its label, digits and letters as themselves, the full screens
// as plain layouts with their names lettered large. The colours come from assets/palette/game.txt (the game
// palette, carried by every keyed picture) and the lettering from the pixel
// fonts in assets/font. BACKIMG and PROLOG carry gradient tables of their own.
// The output depends on nothing but those sources, byte for byte.
#include <cstdio>
#include <string>

#include "bmp_file.h"
#include "picture_build.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkpictures <outdir>\n");
        return 2;
    }
    Assets assets;
    std::string error;
    if (!LoadAssets(DefaultAssetDir(), &assets, &error)) {
        std::fprintf(stderr, "mkpictures: %s\n", error.c_str());
        return 1;
    }
    for (int32_t p = 0; p < PICTURE_COUNT; ++p) {
        AtlasPicture picture = static_cast<AtlasPicture>(p);
        Canvas canvas = BuildPicture(picture, assets);
        std::string path = std::string(argv[1]) + "/" + g_atlasPictures[p].name + ".bmp";
        if (canvas.missingGlyphs != 0) {
            std::fprintf(stderr, "mkpictures: %s: %d characters have no glyph\n", path.c_str(), canvas.missingGlyphs);
            return 1;
        }
        if (!WriteFileBytes(path, EncodeBmp(canvas.image))) {
            std::fprintf(stderr, "mkpictures: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
