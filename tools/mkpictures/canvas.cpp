// Reading the sources of the pictures from assets/.
#include "canvas.h"

#include "palette_file.h"

const char* DefaultAssetDir()
{
    return MKPICTURES_ASSET_DIR;
}

bool LoadAssets(const std::string& dir, Assets* assets, std::string* error)
{
    return LoadPaletteFile(dir + "/palette/game.txt", &assets->game, error) &&
           LoadPixelFont(dir + "/font/font5x7.txt", &assets->large, error) &&
           LoadPixelFont(dir + "/font/font3x5.txt", &assets->small, error) &&
           LoadSpriteFolder(dir + "/sprites", &assets->sprites, error);
}
