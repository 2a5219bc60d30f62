// Stage packs: how their maps are counted and told about, and the folder
// their best times are kept in, in a scratch tree.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "stage_pack.h"

namespace fs = std::filesystem;

namespace {

void WriteAll(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class StagePackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = fs::current_path();
        root = fs::temp_directory_path() / ("stage_pack_test_" + std::to_string(getpid()));
        fs::remove_all(root);
        pack = root / "my pack";
        fs::create_directories(pack);
        player = root / "data/frogpond";
    }
    void TearDown() override
    {
        fs::current_path(saved);
        fs::remove_all(root);
    }
    void Maps(std::initializer_list<int> numbers)
    {
        for (int number : numbers) {
            WriteAll(pack / ("map" + std::to_string(number) + ".map"), "stage " + std::to_string(number));
        }
    }
    std::string Problem() { return plat::PackProblem(pack.string()); }
    fs::path saved, root, pack, player;
};

TEST_F(StagePackTest, APackWithoutAGapNeedsNoWord)
{
    Maps({1, 2, 3});
    EXPECT_EQ(Problem(), "");
}

TEST_F(StagePackTest, AMissingOrEmptyPackIsToldAsHavingNoStages)
{
    EXPECT_NE(plat::PackProblem((root / "nowhere").string()).find("no stage pack folder"), std::string::npos);
    EXPECT_NE(Problem().find("holds no map1.map: no stages to play"), std::string::npos);
    // Files that are not numbered maps are no stages either.
    WriteAll(pack / "map1.txt", "a replay");
    WriteAll(pack / "readme.md", "notes");
    EXPECT_NE(Problem().find("holds no map1.map"), std::string::npos);
}

TEST_F(StagePackTest, AGapNamesTheMissingMapAndWhatIsNotPlayed)
{
    Maps({1, 2, 4, 5});
    EXPECT_EQ(Problem(), "the stage pack " + pack.string() +
                             " has no map3.map: map1.map to map2.map are played, map4.map and later are not");
    fs::remove(pack / "map2.map");
    EXPECT_NE(Problem().find("has no map2.map: only map1.map is played, map4.map"), std::string::npos);
    fs::remove(pack / "map1.map");
    EXPECT_EQ(Problem(), "the stage pack " + pack.string() + " has no map1.map: no stages are played, " +
                             "map4.map and later are not");
}

TEST_F(StagePackTest, AFolderNamedAsAMapIsAGap)
{
    Maps({1, 3});
    fs::create_directory(pack / "map2.map");
    EXPECT_NE(Problem().find("has no map2.map"), std::string::npos);
}

TEST_F(StagePackTest, ThePackIsNamedByItsFolder)
{
    EXPECT_EQ(plat::PackName("/home/p/packs/sample"), "sample");
    EXPECT_EQ(plat::PackName("/home/p/packs/sample/"), "sample");
    EXPECT_EQ(plat::PackName("C:\\Users\\p\\sample\\"), "sample");
    EXPECT_EQ(plat::PackName("/"), "pack");
}

TEST_F(StagePackTest, ItsFolderReachesItsMapsAndKeepsItsOwnTimes)
{
    Maps({1, 2});
    fs::create_directories(player);
    WriteAll(player / "score.dat", "the shipped stages' times");
    std::string error;
    ASSERT_TRUE(plat::EnterStagePack(pack.string(), player.string(), error)) << error;
    EXPECT_EQ(fs::current_path(), player / "packs/my pack");
    EXPECT_EQ(ReadAll("map/map2.map"), "stage 2");
    // The first best time makes the pack's score.dat; none is copied in.
    EXPECT_FALSE(fs::exists("score.dat"));
    WriteAll("score.dat", "the pack's times");
    EXPECT_EQ(ReadAll(player / "score.dat"), "the shipped stages' times");
    // Played again, from another folder, it finds the same times.
    fs::current_path(root);
    ASSERT_TRUE(plat::EnterStagePack(pack.string(), player.string(), error)) << error;
    EXPECT_EQ(ReadAll("score.dat"), "the pack's times");
}

TEST_F(StagePackTest, WithoutAPlayersFolderItSaysWhy)
{
    Maps({1});
    std::string error;
    EXPECT_FALSE(plat::EnterStagePack(pack.string(), "", error));
    EXPECT_NE(error.find("HOME"), std::string::npos);
    WriteAll(root / "data", "a file where the folder should be");
    EXPECT_FALSE(plat::EnterStagePack(pack.string(), player.string(), error));
    EXPECT_NE(error.find("cannot make the stage pack's folder"), std::string::npos) << error;
    EXPECT_EQ(fs::current_path(), saved);
}

}  // namespace
