// Windows face names and the faces of the system's font entries.
#include "font_face_names.h"

#include <cctype>

namespace plat {
namespace {

struct FaceName {
    const char* local;
    const char* registered;
};

constexpr FaceName kJapaneseFaces[] = {
    {"ＭＳ Ｐゴシック", "MS PGothic"}, {"ＭＳ ゴシック", "MS Gothic"}, {"ＭＳ ＵＩ Gothic", "MS UI Gothic"},
    {"ＭＳ Ｐ明朝", "MS PMincho"},     {"ＭＳ 明朝", "MS Mincho"},
};

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::string RegisteredFaceName(const std::string& faceUtf8) {
    for (const FaceName& name : kJapaneseFaces)
        if (faceUtf8 == name.local) return name.registered;
    return faceUtf8;
}

std::vector<std::string> FacesOfEntry(const std::string& entryName) {
    std::string names = entryName;
    size_t kind = names.rfind(" (");
    if (kind != std::string::npos && names.back() == ')') names.erase(kind);
    std::vector<std::string> faces;
    for (size_t start = 0;;) {
        size_t amp = names.find('&', start);
        std::string face = Trimmed(names.substr(start, amp == std::string::npos ? std::string::npos : amp - start));
        if (!face.empty()) faces.push_back(face);
        if (amp == std::string::npos) return faces;
        start = amp + 1;
    }
}

int FaceIndexIn(const std::vector<std::string>& faces, const std::string& face) {
    for (size_t i = 0; i < faces.size(); ++i)
        if (SameIgnoringCase(faces[i], face)) return static_cast<int>(i);
    return -1;
}

std::string FontEntryPath(const std::string& fontsFolder, const std::string& file) {
    bool full = file.size() > 2 && (file[1] == ':' || (file[0] == '\\' && file[1] == '\\'));
    return full ? file : fontsFolder + "\\" + file;
}

}  // namespace plat
