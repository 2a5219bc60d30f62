// Code page 932 (Shift-JIS) conversions for font names and text: glibc iconv, or the system's own on Windows.
#pragma once

#include <cstddef>
#include <string>

namespace plat {

// Converts CP932 bytes to UTF-8. Invalid bytes are skipped and an incomplete
// character at the end is dropped. Returns false when no converter exists.
bool Cp932ToUtf8(const char* bytes, size_t length, std::string& out);

// Converts CP932 bytes to code points, with the same handling of bad input.
bool Cp932ToUtf32(const char* bytes, size_t length, std::u32string& out);

}  // namespace plat
