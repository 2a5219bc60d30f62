// Face name resolution: our own Windows-to-IPA alias table, then fontconfig
// matching for Japanese, with a Japanese sans fallback.
#include "font_match.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <tuple>

namespace plat {
namespace {

struct FaceAlias {
    const char* windowsName;
    const char* family;
};

// The Windows Japanese faces and the IPA families that stand in for them.
constexpr FaceAlias kFaceAliases[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},
    {"ＭＳ ゴシック", "IPAGothic"},    {"MS Gothic", "IPAGothic"},
    {"ＭＳ ＵＩ Gothic", "IPAPGothic"}, {"MS UI Gothic", "IPAPGothic"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"MS PMincho", "IPAPMincho"},
    {"ＭＳ 明朝", "IPAMincho"},        {"MS Mincho", "IPAMincho"},
};

constexpr const char* kFallbackFamily = "sans-serif";
constexpr int kNormalWeight = 400;

const char* AliasFor(const std::string& face) {
    for (const FaceAlias& alias : kFaceAliases) {
        const auto* name = reinterpret_cast<const FcChar8*>(alias.windowsName);
        if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(face.c_str())) == 0) return alias.family;
    }
    return nullptr;
}

void AddFamily(FcPattern* pattern, const char* family) {
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
}

// A pattern asking for `face` (after its alias, if any) in Japanese.
FcPattern* JapanesePattern(const std::string& face, int weight, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    if (const char* alias = AliasFor(face)) AddFamily(pattern, alias);
    if (!face.empty()) AddFamily(pattern, face.c_str());
    FcLangSet* langs = FcLangSetCreate();
    FcLangSetAdd(langs, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddLangSet(pattern, FC_LANG, langs);
    FcLangSetDestroy(langs);
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight > 0 ? weight : kNormalWeight));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

bool CoversJapanese(FcPattern* font) {
    FcLangSet* langs = nullptr;
    if (FcPatternGetLangSet(font, FC_LANG, 0, &langs) != FcResultMatch) return false;
    return FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) != FcLangDifferentLang;
}

std::string StringOf(FcPattern* font, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(font, object, 0, &value) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(value);
}

// Matches the pattern; only a font with Japanese coverage counts, as the
// Shift-JIS character set of the request outranks its face name.
bool MatchJapanese(const std::string& face, int weight, bool italic, FontFile& out) {
    FcPattern* pattern = JapanesePattern(face, weight, italic);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!font) return false;
    FcPatternGetInteger(font, FC_INDEX, 0, &out.index);
    out.path = StringOf(font, FC_FILE);
    out.family = StringOf(font, FC_FAMILY);
    bool usable = !out.path.empty() && CoversJapanese(font);
    FcPatternDestroy(font);
    return usable;
}

bool Resolve(const std::string& face, int weight, bool italic, FontFile& out) {
    if (!FcInit()) return false;
    return MatchJapanese(face, weight, italic, out) || MatchJapanese(kFallbackFamily, weight, italic, out);
}

}  // namespace

bool MatchFontFile(const std::string& faceUtf8, int weight, bool italic, FontFile& out) {
    static std::map<std::tuple<std::string, int, bool>, FontFile> cache;
    auto [entry, added] = cache.try_emplace({faceUtf8, weight, italic});
    if (added && !Resolve(faceUtf8, weight, italic, entry->second)) entry->second = FontFile{};
    out = entry->second;
    return !out.path.empty();
}

}  // namespace plat
