// Code page 932 to UTF-8 / UTF-32 through the system's own conversion, as
// Windows has no iconv; bytes that are no character come out as the
// system's default character.
#include <windows.h>

#include "font_cp932.h"
#include "wide_text.h"

namespace plat {

static std::wstring WideFrom932(const char* bytes, size_t length)
{
    if (bytes == NULL || length == 0) {
        return std::wstring();
    }
    int size = MultiByteToWideChar(932, 0, bytes, (int)length, NULL, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(932, 0, bytes, (int)length, &wide[0], size);
    return wide;
}

bool Cp932ToUtf8(const char* bytes, size_t length, std::string& out)
{
    out = Narrow(WideFrom932(bytes, length));
    return true;
}

bool Cp932ToUtf32(const char* bytes, size_t length, std::u32string& out)
{
    out.clear();
    std::wstring wide = WideFrom932(bytes, length);
    for (size_t i = 0; i < wide.size(); i++) {
        char32_t unit = (char16_t)wide[i];
        bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < wide.size();
        out.push_back(pair ? 0x10000 + ((unit - 0xD800) << 10) + ((char16_t)wide[++i] - 0xDC00) : unit);
    }
    return true;
}

}  // namespace plat
