// Windows face names: the names the system registers the Japanese faces
// under, and the faces a font file holds by the name of its registry entry.
#ifndef FONT_FACE_NAMES_H
#define FONT_FACE_NAMES_H

#include <string>
#include <vector>

namespace plat {

// The English name a face is registered under: "ＭＳ Ｐゴシック" is
// "MS PGothic". Any other name is returned as it is.
std::string RegisteredFaceName(const std::string& faceUtf8);

// The faces of a font entry such as "MS Gothic & MS UI Gothic & MS PGothic
// (TrueType)", in the order the collection holds them.
std::vector<std::string> FacesOfEntry(const std::string& entryName);

// Where the face is in the list, ignoring case, or -1.
int FaceIndexIn(const std::vector<std::string>& faces, const std::string& face);

// The file of a font entry as a full path: a bare file name is in the
// system's fonts folder, a full path (per-user fonts) stays as it is.
std::string FontEntryPath(const std::string& fontsFolder, const std::string& file);

// The font shipped beside the executable, used when the system has no face
// of the name asked for.
constexpr const char* kShippedFontFile = "fonts\\ipagp.ttf";
constexpr const char* kShippedFontFamily = "IPAPGothic";

}  // namespace plat

#endif
