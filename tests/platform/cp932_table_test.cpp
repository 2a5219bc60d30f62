// The browser's code page 932 tables against glibc's converter, which the
// desktop uses: every byte pair alone, before an ASCII letter and after one.
#include <gtest/gtest.h>

#include <string>

#include "cp932_table.h"
#include "font_cp932.h"

namespace {

std::u32string ByGlibc(const std::string& bytes)
{
    std::u32string out;
    EXPECT_TRUE(plat::Cp932ToUtf32(bytes.data(), bytes.size(), out));
    return out;
}

std::u32string ByTable(const std::string& bytes)
{
    std::u32string out;
    plat::Cp932TableToUtf32(bytes.data(), bytes.size(), out);
    return out;
}

TEST(Cp932Table, EveryBytePairDecodesAsGlibcDoes)
{
    int differing = 0;
    for (int first = 0; first < 256; first++) {
        for (int second = 0; second < 256; second++) {
            std::string pair{(char)first, (char)second};
            for (const std::string& text : {pair, pair + "A", "A" + pair}) {
                if (ByTable(text) != ByGlibc(text) && ++differing <= 5) {
                    ADD_FAILURE() << std::hex << "bytes " << first << " " << second << " in \"" << text.size()
                                  << "-byte text\"";
                }
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(Cp932Table, SingleBytesAndEndsDecodeAsGlibcDoes)
{
    for (int byte = 0; byte < 256; byte++) {
        std::string one(1, (char)byte);
        EXPECT_EQ(ByTable(one), ByGlibc(one)) << "byte " << byte;
    }
    EXPECT_EQ(ByTable(""), U"");
    EXPECT_EQ(ByTable("\x82"), U"");
}

// Where code page 932 parts from plain Shift-JIS: a table made from the
// wrong converter would fail here even if glibc's test were skipped.
TEST(Cp932Table, HasTheWindowsRowsAndMappings)
{
    EXPECT_EQ(ByTable("\x5C"), U"\u005C");
    EXPECT_EQ(ByTable("\x81\x60"), U"\uFF5E");
    EXPECT_EQ(ByTable("\x87\x40"), U"\u2460");
    EXPECT_EQ(ByTable("\xFA\x40"), U"\u2170");
    EXPECT_EQ(ByTable("\x82\xA0\x8C\xCE\xB1"), U"\u3042\u6E56\uFF71");
}

TEST(Cp932Table, Utf8OfEveryPairMatchesGlibc)
{
    int differing = 0;
    for (int first = 0x80; first < 256; first++) {
        for (int second = 0; second < 256; second++) {
            std::string pair{(char)first, (char)second, 'A'};
            std::string table;
            std::string glibc;
            plat::Cp932TableToUtf8(pair.data(), pair.size(), table);
            ASSERT_TRUE(plat::Cp932ToUtf8(pair.data(), pair.size(), glibc));
            differing += table != glibc;
        }
    }
    EXPECT_EQ(differing, 0);
    std::string frog = "\x82\xA9\x82\xA6\x82\xE9\x87\x40";
    std::string text;
    plat::Cp932TableToUtf8(frog.data(), frog.size(), text);
    EXPECT_EQ(text, "\u304B\u3048\u308B\u2460");
}

}  // namespace
