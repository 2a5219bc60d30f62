// Finding the shipped stages and entering the player's folder, in a scratch tree.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data_folder.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// An installed tree (prefix/bin, prefix/share/frogpond) and a home beside it;
// the working folder is put back after each test.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = fs::current_path();
        root = fs::temp_directory_path() / ("data_folder_test_" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "prefix/bin");
        shipped = root / "prefix/share/frogpond";
        fs::create_directories(shipped / "map");
        WriteAll(shipped / "map/map1.map", "stage one");
        WriteAll(shipped / "score.dat", "shipped times");
        player = root / "home/.local/share/frogpond";
    }
    void TearDown() override
    {
        fs::current_path(saved);
        fs::remove_all(root);
    }
    fs::path saved, root, shipped, player;
};

TEST(PlayerFolderTest, FollowsTheBaseDirectoryRules)
{
    EXPECT_EQ(plat::PlayerFolderFromEnvironment("/data", "/home/p"), "/data/frogpond");
    EXPECT_EQ(plat::PlayerFolderFromEnvironment(NULL, "/home/p"), "/home/p/.local/share/frogpond");
    // A relative or empty XDG_DATA_HOME is invalid and must be ignored.
    EXPECT_EQ(plat::PlayerFolderFromEnvironment("data", "/home/p"), "/home/p/.local/share/frogpond");
    EXPECT_EQ(plat::PlayerFolderFromEnvironment("", "/home/p"), "/home/p/.local/share/frogpond");
    EXPECT_EQ(plat::PlayerFolderFromEnvironment(NULL, NULL), "");
    EXPECT_EQ(plat::PlayerFolderFromEnvironment(NULL, ""), "");
}

TEST_F(DataFolderTest, TellsAnInstalledGameFromABuild)
{
    EXPECT_EQ(fs::path(plat::InstalledShareFolder((root / "prefix/bin/").string())), root / "prefix/bin/../share/frogpond");
    fs::create_directories(root / "build");
    EXPECT_EQ(plat::InstalledShareFolder((root / "build/").string()), "");
    // A share folder without stages is some other program's.
    fs::remove_all(shipped / "map");
    EXPECT_EQ(plat::InstalledShareFolder((root / "prefix/bin/").string()), "");
}

TEST_F(DataFolderTest, FirstStartMakesTheFolderWithStagesAndShippedTimes)
{
    std::string warning;
    ASSERT_TRUE(plat::EnterPlayerFolder(shipped.string(), player.string(), warning));
    EXPECT_EQ(warning, "");
    EXPECT_EQ(fs::current_path(), player);
    EXPECT_EQ(ReadAll("map/map1.map"), "stage one");
    EXPECT_EQ(ReadAll("score.dat"), "shipped times");
}

TEST_F(DataFolderTest, LaterStartsKeepThePlayersTimesAndFollowTheStages)
{
    std::string warning;
    fs::create_directories(player);
    WriteAll(player / "score.dat", "my times");
    // The folder of a checkout run links its own stages; the installed game takes them over.
    fs::create_directories(root / "checkout/map");
    fs::create_directory_symlink(root / "checkout/map", player / "map");
    ASSERT_TRUE(plat::EnterPlayerFolder(shipped.string(), player.string(), warning));
    EXPECT_EQ(warning, "");
    EXPECT_EQ(ReadAll("score.dat"), "my times");
    EXPECT_EQ(ReadAll("map/map1.map"), "stage one");
    ASSERT_TRUE(plat::EnterPlayerFolder(shipped.string(), player.string(), warning));
    EXPECT_EQ(ReadAll("score.dat"), "my times");
}

TEST_F(DataFolderTest, AFolderThatCannotBeMadeStillPlaysFromTheShippedOne)
{
    WriteAll(root / "home", "a file where the home folder should be");
    std::string warning;
    ASSERT_TRUE(plat::EnterPlayerFolder(shipped.string(), player.string(), warning));
    EXPECT_NE(warning.find("best times will not be saved"), std::string::npos) << warning;
    EXPECT_EQ(fs::current_path(), shipped);
    EXPECT_EQ(ReadAll("score.dat"), "shipped times");
    EXPECT_FALSE(plat::EnterPlayerFolder((root / "gone").string(), "", warning));
}

}  // namespace
