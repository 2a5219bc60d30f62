// Building one of the eight pictures: keyed pictures start as key colour,
// the opaque ones as black, all in the game palette; then each table entry
// of the picture is drawn in table order, the hand-drawn sprites of
// assets/sprites are pasted over theirs, and BACKIMG and PROLOG move to
// colour tables of their own.
#include "picture_build.h"

#include "entry_styles.h"
#include "inks.h"
#include "own_tables.h"

Canvas BuildPicture(AtlasPicture picture, const Assets& assets)
{
    const AtlasPictureInfo& info = g_atlasPictures[picture];
    Canvas canvas;
    canvas.image = MakeImage(info.width, info.height, info.keyed ? INK_KEY : INK_BLACK, assets.game);
    canvas.assets = &assets;
    canvas.missingGlyphs = 0;
    for (int32_t id = 0; id < ATLAS_COUNT; ++id) {
        if (g_atlas[id].picture == picture) {
            const EntryStyle& style = g_entryStyles[id];
            style.draw(canvas, static_cast<AtlasId>(id), style);
        }
    }
    PasteSprites(canvas.image, picture, assets.sprites);
    ToOwnTable(canvas.image, picture);
    return canvas;
}
