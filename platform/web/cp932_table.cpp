// Walks the bytes through the generated tables; every character they hold
// is in the Basic Multilingual Plane, so UTF-8 takes at most three bytes.
#include "cp932_table.h"

namespace plat {

void Cp932TableToUtf32(const char* bytes, size_t length, std::u32string& out)
{
    out.clear();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    for (size_t i = 0; in != nullptr && i < length;) {
        char16_t single = g_cp932Singles[in[i]];
        if (single == CP932_NONE) {
            i++;
        } else if (single != CP932_LEAD) {
            out.push_back(single);
            i++;
        } else if (i + 1 == length) {
            return;
        } else if (char16_t pair = g_cp932Pairs[(in[i] - CP932_FIRST_LEAD) * 256 + in[i + 1]]) {
            out.push_back(pair);
            i += 2;
        } else {
            i++;
        }
    }
}

static void AppendUtf8(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out.push_back((char)c);
    } else if (c < 0x800) {
        out.push_back((char)(0xC0 | c >> 6));
        out.push_back((char)(0x80 | (c & 0x3F)));
    } else {
        out.push_back((char)(0xE0 | c >> 12));
        out.push_back((char)(0x80 | (c >> 6 & 0x3F)));
        out.push_back((char)(0x80 | (c & 0x3F)));
    }
}

void Cp932TableToUtf8(const char* bytes, size_t length, std::string& out)
{
    std::u32string text;
    Cp932TableToUtf32(bytes, length, text);
    out.clear();
    for (char32_t c : text) {
        AppendUtf8(c, out);
    }
}

}  // namespace plat
