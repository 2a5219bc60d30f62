// settings.ini: reading damaged files line by line, writing and reading back,
// and keeping the file safe when its folder cannot be written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "settings_file.h"
#include "settings_store.h"
#include "support/game_env.h"

namespace {

using plat::Settings;

Settings Parse(const std::string& text, std::vector<std::string>& problems)
{
    return plat::ParseSettings(text, "settings.ini", problems);
}

TEST(SettingsFile, WhatIsWrittenReadsBackTheSame)
{
    Settings settings;
    settings.fullscreen = false;
    settings.scale = 3;
    settings.musicVolume = 0;
    settings.effectsVolume = 55;
    settings.language = "en";
    settings.keys.keys[plat::ACTION_CONFIRM][0] = SDLK_SPACE;
    settings.keys.keys[plat::ACTION_CONFIRM][1] = SDLK_RETURN;
    settings.keys.keys[plat::ACTION_LEFT][0] = SDLK_a;
    std::vector<std::string> problems;
    Settings back = Parse(plat::FormatSettings(settings), problems);
    EXPECT_TRUE(problems.empty()) << problems[0];
    EXPECT_FALSE(back.fullscreen);
    EXPECT_EQ(back.scale, 3);
    EXPECT_EQ(back.musicVolume, 0);
    EXPECT_EQ(back.effectsVolume, 55);
    EXPECT_EQ(back.language, "en");
    EXPECT_EQ(memcmp(&back.keys, &settings.keys, sizeof back.keys), 0);

    Settings defaults = Parse(plat::FormatSettings(Settings()), problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(defaults.language, "") << "an unset language keeps following the system";
}

TEST(SettingsFile, EachDamagedLineIsToldWithItsNumberAndKeepsItsDefault)
{
    const char* text =
        "\xff\xfe garbage\n"           // 1
        "[sound]\n"                    // 2
        "music = 400\n"                // 3
        "effects = -3\n"               // 4
        "volume = 50\n"                // 5
        "[display]\r\n"                // 6
        "scale = 2\r\n"                // 7  (a Windows line end is fine)
        "fullscreen = maybe\n"         // 8
        "[keys]\n"                     // 9
        "confirm = Zed\n"              // 10
        "jump = A, B, C\n"             // 11
        "hop = Space\n"                // 12
        "pause =\n"                    // 13
        "[colours]\n"                  // 14
        "frog = green\n"               // 15
        "[game]\n"                     // 16
        "language = fr\n"              // 17
        "just words\n";                // 18
    std::vector<std::string> problems;
    Settings settings = Parse(text, problems);
    const char* lines[] = {":1:", ":3:", ":4:", ":5:", ":8:", ":10:", ":11:", ":12:", ":13:", ":14:", ":17:", ":18:"};
    ASSERT_EQ(problems.size(), sizeof lines / sizeof lines[0]);
    for (size_t n = 0; n < problems.size(); n++) {
        EXPECT_NE(problems[n].find(std::string("settings.ini") + lines[n]), std::string::npos) << problems[n];
    }
    EXPECT_EQ(settings.musicVolume, 100);
    EXPECT_EQ(settings.effectsVolume, 100);
    EXPECT_EQ(settings.scale, 2);
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_EQ(settings.language, "");
    plat::KeyBindings defaults = plat::DefaultKeyBindings();
    EXPECT_EQ(memcmp(&settings.keys, &defaults, sizeof defaults), 0);
}

TEST(SettingsFile, TwoGameKeysOnOneKeyGiveWayInLineOrder)
{
    std::vector<std::string> problems;
    Settings settings = Parse("[keys]\nconfirm = Space\njump = Space\n", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("settings.ini:3: Space is already the confirm key"), std::string::npos) << problems[0];
    EXPECT_EQ(settings.keys.keys[plat::ACTION_CONFIRM][0], SDLK_SPACE);
    EXPECT_EQ(settings.keys.keys[plat::ACTION_JUMP][0], SDLK_x);

    // A key that is another game key's default: the line gives way, not the default.
    problems.clear();
    settings = Parse("[keys]\n\nconfirm = X\n", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("settings.ini:3: X is already the jump key; confirm keeps Z"), std::string::npos)
        << problems[0];
    EXPECT_EQ(settings.keys.keys[plat::ACTION_CONFIRM][0], SDLK_z);

    // Swapping two keys in the file is no conflict.
    problems.clear();
    settings = Parse("[keys]\nconfirm = X\njump = Z\n", problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(settings.keys.keys[plat::ACTION_CONFIRM][0], SDLK_x);
}

TEST(SettingsFile, AnEmptyOrMissingFileMeansTheDefaults)
{
    std::vector<std::string> problems;
    Settings settings = Parse("", problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_EQ(settings.scale, 1);

    ScratchFolder folder;
    setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    plat::LoadSettings();
    EXPECT_TRUE(plat::g_settings.fullscreen);
    EXPECT_EQ(plat::SettingsPath(), folder.Path() + "/frogpond/settings.ini");
    unsetenv("XDG_CONFIG_HOME");
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SettingsStore, AlternateFullscreenIsKeptWithoutTheRunsOwnOptions)
{
    ScratchFolder folder;
    setenv("XDG_CONFIG_HOME", (folder.Path() + "/new/config").c_str(), 1);
    plat::LoadSettings();
    plat::g_settings.musicVolume = 10;  // as --music 10 would, for this run only
    plat::KeepFullscreen(false);
    plat::LoadSettings();
    EXPECT_FALSE(plat::g_settings.fullscreen);
    EXPECT_EQ(plat::g_settings.musicVolume, 100);
    unsetenv("XDG_CONFIG_HOME");
}

TEST(SettingsStore, AFileThatCannotBeWrittenIsLeftAsItWasAndSaidOnce)
{
    ScratchFolder folder;
    setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    mkdir("frogpond", 0755);
    folder.WriteFile("frogpond/settings.ini", "[display]\nscale = 2\n");
    // A folder where the temporary file goes stops the write even for root.
    mkdir("frogpond/settings.ini.tmp", 0755);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(plat::SaveSettings(Settings()));
    EXPECT_FALSE(plat::SaveSettings(Settings()));
    std::string told = testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("settings will not be kept"), std::string::npos);
    EXPECT_EQ(told.find("settings will not be kept"), told.rfind("settings will not be kept"));
    EXPECT_EQ(ReadFile(folder.Path() + "/frogpond/settings.ini"), "[display]\nscale = 2\n");

    // A configuration folder that is a file: nothing can be made under it.
    setenv("XDG_CONFIG_HOME", (folder.Path() + "/frogpond/settings.ini").c_str(), 1);
    EXPECT_FALSE(plat::SaveSettings(Settings()));
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
