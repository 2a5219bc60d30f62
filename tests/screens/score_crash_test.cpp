// Saving "score.dat" when things go wrong: the saving process killed at any
// moment, the data folder read-only, the disk full. The old file must stay
// whole every time, and after a save that failed the game plays on.
#include <gtest/gtest.h>

#include <errno.h>
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "app/app_state.h"
#include "input/input.h"
#include "screens/result.h"
#include "screens/score_file.h"
#include "stage/play_state.h"
#include "support/screen_driver.h"

namespace {

const int KILLED_SAVES = 1000;
// A child that cannot have a file system of its own skips the test.
const int NO_PRIVATE_MOUNT = 77;

// Stage 1 holds 1, 2 and 3 seconds; a play of 0.5 s ranks first.
const std::string OLD_FILE = "0001000" "0002000" "0003000" + std::string(7 * 237, '9');
const std::string NEW_FILE = "0000500" "0001000" "0002000" + std::string(7 * 237, '9');
const DWORD NEW_TIME = 500;

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const char* path)
{
    return std::filesystem::exists(std::filesystem::symlink_status(path));
}

// A child process that saves the stage-1 play of NEW_TIME as the result screen does.
pid_t StartSave()
{
    pid_t pid = fork();
    if (pid == 0) {
        g_stageNo = 1;
        g_playTime = NEW_TIME;
        g_resultRank = RankPlayTime();
        SaveScores();
        _exit(0);
    }
    return pid;
}

std::chrono::microseconds TimeOfWholeSaves(const ScratchFolder& folder, int count)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; i++) {
        folder.WriteFile("score.dat", OLD_FILE);
        waitpid(StartSave(), nullptr, 0);
    }
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) / count;
}

TEST(ScoreSaveKilled, EveryKillLeavesTheOldFileOrTheNewOneWhole)
{
    ResetGame();
    ScratchFolder folder;
    folder.WriteFile("score.dat", OLD_FILE);
    LoadScores();
    // Kills land from before the save starts to after it has ended.
    std::chrono::microseconds whole = TimeOfWholeSaves(folder, 20);
    ASSERT_EQ(FileText("score.dat"), NEW_FILE);
    std::mt19937 random(15);
    std::uniform_int_distribution<long> delay(0, whole.count() * 3 / 2);
    int kept = 0, replaced = 0, tempLeft = 0;
    for (int run = 0; run < KILLED_SAVES; run++) {
        folder.WriteFile("score.dat", OLD_FILE);
        pid_t pid = StartSave();
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(pid, SIGKILL);
        ASSERT_EQ(waitpid(pid, nullptr, 0), pid);
        std::string now = FileText("score.dat");
        ASSERT_TRUE(now == OLD_FILE || now == NEW_FILE) << "run " << run << ": " << now.size() << " bytes";
        kept += now == OLD_FILE;
        replaced += now == NEW_FILE;
        tempLeft += Exists("score.dat.tmp");
    }
    printf("%d killed saves of %ld us: %d kept the old file, %d left the new one, %d left a temporary file\n",
           KILLED_SAVES, (long)whole.count(), kept, replaced, tempLeft);
    EXPECT_GT(kept, 0);
    EXPECT_GT(replaced, 0);
    // A temporary file left by a kill is no obstacle to the next save.
    folder.WriteFile("score.dat", OLD_FILE);
    waitpid(StartSave(), nullptr, 0);
    EXPECT_EQ(FileText("score.dat"), NEW_FILE);
}

bool WriteText(const char* path, const std::string& text)
{
    int fd = open(path, O_WRONLY);
    bool ok = fd >= 0 && write(fd, text.data(), text.size()) == (ssize_t)text.size();
    return close(fd) == 0 && ok;
}

// Makes `path` a small file system of this process's own, as root or in a
// user namespace of its own; the process must have no other threads yet.
bool MountPrivateFolder(const std::string& path, const char* options)
{
    if (unshare(CLONE_NEWNS) != 0) {
        std::string uid = "0 " + std::to_string(getuid()) + " 1";
        std::string gid = "0 " + std::to_string(getgid()) + " 1";
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !WriteText("/proc/self/setgroups", "deny") ||
            !WriteText("/proc/self/uid_map", uid) || !WriteText("/proc/self/gid_map", gid)) {
            return false;
        }
    }
    return mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", path.c_str(), "tmpfs", 0, options) == 0 && chdir(path.c_str()) == 0;
}

// Fills the file system of the current folder up to its last byte.
bool FillDisk()
{
    int fd = open("filler", O_WRONLY | O_CREAT, 0644);
    char block[4096] = {};
    for (size_t size = sizeof block; fd >= 0 && size > 0; size /= 2) {
        while (write(fd, block, size) == (ssize_t)size) {
        }
    }
    bool full = fd >= 0 && write(fd, block, 1) < 0 && errno == ENOSPC;
    close(fd);
    return full;
}

enum class Trouble { READ_ONLY, DISK_FULL };

class ScoreSaveRefused : public ScreenDriver {
protected:
    // The display and the sound start in the child, after its folder is mounted.
    void SetUp() override {}
    void TearDown() override {}

    // In a child process: the data folder in trouble, a stage-1 result that
    // ranks first, Z to the stage select, and Z again into stage 2.
    int PlayOn(Trouble trouble)
    {
        if (!MountPrivateFolder(folder.Path(), "size=64k")) {
            return NO_PRIVATE_MOUNT;
        }
        for (int n = 1; n <= 6; n++) {
            std::string map = "map/map" + std::to_string(n) + ".map";
            folder.WriteFile(map, FileText(std::string(SOURCE_DIR) + "/" + map));
        }
        folder.WriteFile("score.dat", OLD_FILE);
        bool troubled = trouble == Trouble::DISK_FULL
                            ? FillDisk()
                            : mount(nullptr, folder.Path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        if (!troubled) {
            return Fail("could not put the folder in trouble");
        }
        ScreenDriver::SetUp();
        if (HasFailure()) {
            return Fail("no display");
        }
        g_stageCount = g_openStageCount = 6;
        g_stageNo = 1;
        LoadScores();
        g_playTime = NEW_TIME;
        g_scene = SCENE_RESULT_INIT;
        Frame();
        if (g_resultRank != 1) {
            return Fail("the play did not rank first");
        }
        Hold('Z', true);
        int toSelect = FramesUntil(SCENE_SELECT, 30);
        Hold('Z', false);
        if (toSelect < 0 || g_stageNo != 2) {
            return Fail("the result screen did not go on to stage 2 in the stage select");
        }
        if (FileText("score.dat") != OLD_FILE || Exists("score.dat.tmp")) {
            return Fail("the old score.dat was not kept whole, alone");
        }
        Frames(30);
        Tap('Z');
        if (FramesUntil(SCENE_PLAY, 60) < 0) {
            return Fail("stage 2 did not start");
        }
        Frames(60);
        return 0;
    }
    static int Fail(const char* what)
    {
        fprintf(stderr, "%s\n", what);
        return 1;
    }
    void Run(Trouble trouble)
    {
        fflush(stdout);
        pid_t pid = fork();
        if (pid == 0) {
            _exit(PlayOn(trouble));
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status)) << "the game died, status " << status;
        if (WEXITSTATUS(status) == NO_PRIVATE_MOUNT) {
            GTEST_SKIP() << "this machine lets no process mount a folder of its own";
        }
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the game's lines above say why";
        EXPECT_EQ(FileText("score.dat"), "") << "the trouble stayed in the child's own folder";
    }
};

TEST_F(ScoreSaveRefused, InAReadOnlyDataFolderTheOldFileStaysAndTheGamePlaysOn)
{
    Run(Trouble::READ_ONLY);
}

TEST_F(ScoreSaveRefused, OnAFullDiskTheOldFileStaysAndTheGamePlaysOn)
{
    Run(Trouble::DISK_FULL);
}

}  // namespace
