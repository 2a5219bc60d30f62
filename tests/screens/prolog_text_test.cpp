// The prolog's story lines: each fits its slot, and each starts with the
// number of ideographic spaces its page layout expects; the English lines fit
// the screen, and the language is the interface's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "screens/prolog.h"
#include "screens/prolog_text.h"
#include "settings_store.h"
#include "support/game_env.h"

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

namespace {

// Half-width letters of the 24-pixel Gothic are 12 pixels wide; the lines start at x = 100.
TEST(PrologText, EnglishLinesArePlainTextThatFitsTheScreen)
{
    for (int i = 0; i < 10; i++) {
        const char* line = g_prologLinesEnglish[i];
        size_t length = strnlen(line, 80);
        EXPECT_GT(length, 0u) << "line " << i;
        EXPECT_LE(100 + 12 * (int)length, 640) << "line " << i << " runs off the screen";
        for (size_t n = 0; n < length; n++) {
            EXPECT_TRUE(line[n] >= 0x20 && line[n] < 0x7F) << "line " << i << " column " << n;
        }
    }
}

TEST(PrologText, TheLanguageComesFromTheSettingsElseTheLocale)
{
    struct Case {
        const char* chosen;
        const char* lang;
        const char (*expected)[80];
    };
    const Case cases[] = {
        {"en", "ja_JP.UTF-8", g_prologLinesEnglish},
        {"ja", "C.UTF-8", g_prologLines},
        {"", "ja_JP.UTF-8", g_prologLines},
        {"", "fr_FR.UTF-8", g_prologLinesEnglish},
        {"", "", g_prologLinesEnglish},
    };
    std::string saved = getenv("LANG") != nullptr ? getenv("LANG") : "";
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    for (const Case& c : cases) {
        ASSERT_NE(StartDisplay(), nullptr);
        plat::g_settings.language = c.chosen;
        setenv("LANG", c.lang, 1);
        InitProlog();
        EXPECT_EQ(g_prologText, c.expected) << c.chosen << " " << c.lang;
    }
    plat::g_settings.language = "";
    setenv("LANG", saved.c_str(), 1);
    ResetGame();
}

}  // namespace
