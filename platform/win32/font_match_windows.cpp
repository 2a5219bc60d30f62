// Face name resolution on Windows: the system's font entries in the
// registry (for every user, then this user's own), else the IPA P Gothic
// font shipped beside the executable.
#include <windows.h>

#include <SDL.h>

#include <map>
#include <tuple>

#include "font_face_names.h"
#include "font_match.h"
#include "wide_text.h"

namespace plat {
namespace {

const wchar_t kFontsKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

std::string FontsFolder() {
    wchar_t windows[MAX_PATH];
    UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    return Narrow(std::wstring(windows, length)) + "\\Fonts";
}

// Looks through one registry key's entries for the face.
bool FindInKey(HKEY root, const std::string& face, FontFile& out) {
    HKEY key;
    if (RegOpenKeyExW(root, kFontsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    bool found = false;
    for (DWORD i = 0; !found; ++i) {
        wchar_t name[512];
        wchar_t file[MAX_PATH];
        DWORD nameLength = 512;
        DWORD fileBytes = sizeof file - sizeof(wchar_t);
        DWORD type = 0;
        LONG result = RegEnumValueW(key, i, name, &nameLength, NULL, &type, (LPBYTE)file, &fileBytes);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS || type != REG_SZ) continue;
        file[fileBytes / sizeof(wchar_t)] = L'\0';
        int index = FaceIndexIn(FacesOfEntry(Narrow(name)), face);
        if (index < 0) continue;
        out = {FontEntryPath(FontsFolder(), Narrow(file)), index, face};
        found = true;
    }
    RegCloseKey(key);
    return found;
}

bool ShippedFont(FontFile& out) {
    char* base = SDL_GetBasePath();
    if (base == nullptr) return false;
    out = {std::string(base) + kShippedFontFile, 0, kShippedFontFamily};
    SDL_free(base);
    return true;
}

bool Resolve(const std::string& faceUtf8, FontFile& out) {
    std::string face = RegisteredFaceName(faceUtf8);
    return FindInKey(HKEY_LOCAL_MACHINE, face, out) || FindInKey(HKEY_CURRENT_USER, face, out) || ShippedFont(out);
}

}  // namespace

bool MatchFontFile(const std::string& faceUtf8, int weight, bool italic, FontFile& out) {
    static std::map<std::tuple<std::string, int, bool>, FontFile> cache;
    auto [entry, added] = cache.try_emplace({faceUtf8, weight, italic});
    if (added && !Resolve(faceUtf8, entry->second)) entry->second = FontFile{};
    out = entry->second;
    return !out.path.empty();
}

}  // namespace plat
