// Test helper: the eight pictures built once from the source tree's assets.
#include "generated_pictures.h"

#include <cstdio>
#include <cstdlib>

#include "bmp_file.h"
#include "picture_build.h"

const Assets& TreeAssets()
{
    static Assets assets;
    static bool loaded = false;
    if (!loaded) {
        std::string error;
        if (!LoadAssets(DefaultAssetDir(), &assets, &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::abort();
        }
        loaded = true;
    }
    return assets;
}

const GeneratedPicture& Generated(AtlasPicture picture)
{
    static std::vector<GeneratedPicture> all;
    if (all.empty()) {
        for (int32_t p = 0; p < PICTURE_COUNT; ++p) {
            GeneratedPicture g;
            g.canvas = BuildPicture(static_cast<AtlasPicture>(p), TreeAssets());
            g.bytes = EncodeBmp(g.canvas.image);
            if (!ReadBmp(g.bytes, &g.bmp)) {
                std::abort();
            }
            all.push_back(g);
        }
    }
    return all[picture];
}
