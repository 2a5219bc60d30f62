// Code page 932 by tables generated at build time (tools/mkcp932) from
// glibc's converter, for C libraries that lack it.
#ifndef PLATFORM_CP932_TABLE_H
#define PLATFORM_CP932_TABLE_H

#include <cstddef>
#include <string>

namespace plat {

// A single byte that starts a pair, and one that is no character at all.
constexpr char16_t CP932_LEAD = 0xFFFE;
constexpr char16_t CP932_NONE = 0xFFFF;
// Pairs are kept for first bytes from 0x80 up; 0 marks a pair that is none.
constexpr int CP932_FIRST_LEAD = 0x80;
constexpr int CP932_LEAD_COUNT = 0x80;

extern const char16_t g_cp932Singles[256];
extern const char16_t g_cp932Pairs[CP932_LEAD_COUNT * 256];

// Decodes as glibc's iconv does with the invalid bytes skipped: a pair that
// is no character skips its first byte only, and a lead at the end is dropped.
void Cp932TableToUtf32(const char* bytes, size_t length, std::u32string& out);
void Cp932TableToUtf8(const char* bytes, size_t length, std::string& out);

}  // namespace plat

#endif
