// The command line over the settings: what it changes for the run, and what
// it refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "options.h"

namespace {

struct Parsed {
    plat::OptionsOutcome outcome;
    plat::Settings settings;
    plat::CommandLine line;
    std::string errors;
};

Parsed Parse(std::vector<const char*> words)
{
    words.insert(words.begin(), "frogpond");
    Parsed run;
    char* text = NULL;
    size_t size = 0;
    FILE* errors = open_memstream(&text, &size);
    run.outcome = plat::ParseCommandLine((int)words.size(), (char**)words.data(), run.settings, run.line, errors);
    fclose(errors);
    run.errors = text;
    free(text);
    return run;
}

TEST(CommandLine, OptionsWinOverTheSettingsForTheRun)
{
    Parsed run = Parse({"--window", "--scale", "2", "--music", "40", "--effects", "0", "--lang", "en", "--bind",
                     "confirm=Space,Return", "--mute"});
    ASSERT_EQ(run.outcome, plat::OPTIONS_RUN) << run.errors;
    EXPECT_FALSE(run.settings.fullscreen);
    EXPECT_EQ(run.settings.scale, 2);
    EXPECT_EQ(run.settings.musicVolume, 40);
    EXPECT_EQ(run.settings.effectsVolume, 0);
    EXPECT_EQ(run.settings.language, "en");
    EXPECT_EQ(run.settings.keys.keys[plat::ACTION_CONFIRM][0], SDLK_SPACE);
    EXPECT_EQ(run.settings.keys.keys[plat::ACTION_CONFIRM][1], SDLK_RETURN);
    EXPECT_TRUE(run.line.mute);
    EXPECT_FALSE(run.line.save);
    EXPECT_EQ(Parse({"--keys"}).outcome, plat::OPTIONS_DONE);
    EXPECT_EQ(Parse({"--help"}).outcome, plat::OPTIONS_DONE);
}

TEST(CommandLine, BadValuesAreRefusedWithTheOptionNamed)
{
    const std::vector<std::vector<const char*>> bad = {
        {"--music", "400"},   {"--effects", "-3"},          {"--scale", "0"},         {"--scale", "2x"},
        {"--lang", "fr"},     {"--bind", "confirm=Zed"},    {"--bind", "hop=Space"},  {"--bind", "Space"},
        {"--bind", "confirm=X"}, {"--music"},               {"--volume", "3"},
    };
    for (const auto& words : bad) {
        Parsed run = Parse(words);
        EXPECT_EQ(run.outcome, plat::OPTIONS_BAD) << words[0];
        EXPECT_NE(run.errors.find(words[0]), std::string::npos) << run.errors;
    }
}

TEST(CommandLine, HelpHasOneLinePerOptionAndListsTheBindings)
{
    char* text = NULL;
    size_t size = 0;
    FILE* out = open_memstream(&text, &size);
    plat::PrintHelp("frogpond", out);
    plat::PrintKeys(plat::DefaultKeyBindings(), out);
    fclose(out);
    std::string printed = text;
    free(text);
    for (const char* option : {"--window", "--fullscreen", "--scale", "--music", "--effects", "--mute", "--lang",
                               "--bind", "--keys", "--save", "--debug", "--record", "--replay", "--help"}) {
        size_t at = printed.find(std::string("\n  ") + option + " ");
        ASSERT_NE(at, std::string::npos) << option;
        EXPECT_LT(printed.find('\n', at + 1) - at, 110u) << option << " fits one line";
    }
    EXPECT_NE(printed.find("confirm  Z\n"), std::string::npos);
    EXPECT_NE(printed.find("quit     Escape, F12\n"), std::string::npos);
}

}  // namespace
