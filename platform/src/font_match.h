// Chooses the font file for a Windows face name through fontconfig.
#pragma once

#include <string>

namespace plat {

struct FontFile {
    std::string path;
    int index = 0;
    std::string family;
};

// Resolves a UTF-8 face name with a LOGFONT weight and italic flag. The
// Windows Japanese face names map to the IPA families; a name that matches
// nothing Japanese falls back to a Japanese sans. Results are cached per
// request, failures too. Returns false when no usable file is found.
bool MatchFontFile(const std::string& faceUtf8, int weight, bool italic, FontFile& out);

}  // namespace plat
