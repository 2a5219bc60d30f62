// In the browser every face is the Japanese Gothic that travels in the page's
// data file: the one the desktop picks for the game's own face name.
#include "font_match.h"

namespace plat {

static const char BUNDLED_FONT[] = "/share/frogpond/fonts/ipagp.ttf";

bool MatchFontFile(const std::string&, int, bool, FontFile& out)
{
    out.path = BUNDLED_FONT;
    out.index = 0;
    out.family = "IPAPGothic";
    return true;
}

}  // namespace plat
