// Code page 932 in the browser, whose C library's iconv has only plain
// Shift-JIS: the generated tables stand in for it.
#include "cp932_table.h"
#include "font_cp932.h"

namespace plat {

bool Cp932ToUtf8(const char* bytes, size_t length, std::string& out)
{
    Cp932TableToUtf8(bytes, length, out);
    return true;
}

bool Cp932ToUtf32(const char* bytes, size_t length, std::u32string& out)
{
    Cp932TableToUtf32(bytes, length, out);
    return true;
}

}  // namespace plat
