// Building one of the eight pictures: keyed pictures start as key colour in
// the game palette, the opaque ones in colour tables of their own; then each
// table entry of the picture draws its placeholder in table order, and the
// hand-drawn sprites of assets/sprites replace the placeholders they cover.
#include "picture_build.h"

#include "backdrops.h"
#include "entry_styles.h"
#include "inks.h"

static Palette PictureColours(AtlasPicture picture, const Assets& assets)
{
    switch (picture) {
    case PICTURE_BACKIMG:
        return BackImgPalette();
    case PICTURE_PROLOG:
        return PrologPalette();
    default:
        return assets.game;
    }
}

Canvas BuildPicture(AtlasPicture picture, const Assets& assets)
{
    const AtlasPictureInfo& info = g_atlasPictures[picture];
    Canvas canvas;
    canvas.image = MakeImage(info.width, info.height, info.keyed ? INK_KEY : 0, PictureColours(picture, assets));
    canvas.assets = &assets;
    canvas.missingGlyphs = 0;
    for (int32_t id = 0; id < ATLAS_COUNT; ++id) {
        if (g_atlas[id].picture == picture) {
            const EntryStyle& style = g_entryStyles[id];
            style.draw(canvas, static_cast<AtlasId>(id), style);
        }
    }
    PasteSprites(canvas.image, picture, assets.sprites);
    return canvas;
}
