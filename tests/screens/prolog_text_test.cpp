// The prolog's story lines: each fits its slot, and each starts with the
// number of ideographic spaces its page layout expects.
#include <gtest/gtest.h>

#include <cstring>

#include "screens/prolog_text.h"

namespace {

// U+3000 in code page 932.
const char IDEOGRAPHIC_SPACE[] = "\x81\x40";

int LeadingIdeographicSpaces(const char* line)
{
    int count = 0;
    while (strncmp(line + 2 * count, IDEOGRAPHIC_SPACE, 2) == 0) {
        count++;
    }
    return count;
}

TEST(PrologText, TenLinesFitTheirSlotsWithTheirIndents)
{
    const int indents[10] = {0, 8, 2, 6, 3, 7, 2, 4, 1, 4};
    for (int i = 0; i < 10; i++) {
        size_t length = strnlen(g_prologLines[i], 80);
        EXPECT_LE(length, 79u) << "line " << i << " is not terminated in its slot";
        EXPECT_GT(length, 2u * indents[i]) << "line " << i << " is only an indent";
        EXPECT_EQ(LeadingIdeographicSpaces(g_prologLines[i]), indents[i]) << "line " << i;
    }
}

TEST(PrologText, LinesAreWholeDoubleByteCharactersOfCodePage932)
{
    for (int i = 0; i < 10; i++) {
        const unsigned char* p = (const unsigned char*)g_prologLines[i];
        while (*p != 0) {
            bool lead = (*p >= 0x81 && *p <= 0x9F) || (*p >= 0xE0 && *p <= 0xFC);
            if (lead) {
                ASSERT_NE(p[1], 0) << "line " << i << " ends inside a character";
                p += 2;
            } else {
                p++;
            }
        }
    }
}

}  // namespace
