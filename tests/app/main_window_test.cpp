// The window, the stage count and the message loop, run headless.
#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/frame.h"
#include "seam.h"
#include "support/game_env.h"
#include "video/display.h"

namespace {

void WriteStages(const ScratchFolder& folder, int first, int last)
{
    for (int n = first; n <= last; n++) {
        folder.WriteFile("map/map" + std::to_string(n) + ".map", "0\n");
    }
}

TEST(StageCount, StopsAtTheFirstGap)
{
    ScratchFolder folder;
    WriteStages(folder, 1, 3);
    WriteStages(folder, 5, 5);
    ResetGame();
    ASSERT_NE(InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT), nullptr);
    EXPECT_EQ(g_stageCount, 3);
    EXPECT_EQ(g_openStageCount, 3);
}

TEST(StageCount, StopsAtEightyAndNoFolderMeansNone)
{
    ScratchFolder folder;
    ResetGame();
    ASSERT_NE(InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT), nullptr);
    EXPECT_EQ(g_stageCount, 0);

    WriteStages(folder, 1, 81);
    ResetGame();
    ASSERT_NE(InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT), nullptr);
    EXPECT_EQ(g_stageCount, 80);
    EXPECT_EQ(g_openStageCount, 80);
}

TEST(Window, ShowingItActivatesAndWindowProcHidesTheCursor)
{
    ResetGame();
    HWND window = InitApp(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(g_active, 1);
    EXPECT_EQ(WindowProc(window, WM_SETCURSOR, 0, 0), 1);
    WindowProc(window, WM_ACTIVATE, WA_INACTIVE | (1 << 16), 0);
    EXPECT_EQ(g_active, 0);
    WindowProc(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(g_active, 1);
}

TEST(Window, ClassRegistrationFailureEndsStartUpSilently)
{
    ResetGame();
    seam::FailCall("RegisterClass", E_FAIL);
    EXPECT_EQ(WinMain(GetModuleHandleA(NULL), NULL, NULL, SW_SHOWDEFAULT), 0);
    EXPECT_TRUE(seam::MessageBoxes().empty());
}

// Runs WinMain; `script` is called each time the queue is empty, with the
// number of that call, until WinMain returns.
int RunWinMain(std::function<void(int)> script)
{
    ResetGame();
    int idle = 0;
    seam::SetIdleHook([&] { script(idle++); });
    return WinMain(GetModuleHandleA(NULL), NULL, NULL, SW_SHOWDEFAULT);
}

class ClosingKey : public testing::TestWithParam<int> {};

TEST_P(ClosingKey, EndsTheProgramThroughCloseDestroyAndQuit)
{
    int key = GetParam();
    int framesAtKey = -1;
    int code = RunWinMain([&](int idle) {
        if (idle == 3) {
            framesAtKey = seam::LastFrame().presented;
            seam::PostToWindow(WM_KEYDOWN, key, 1);
        }
        ASSERT_LT(idle, 10) << "the program did not end";
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(framesAtKey, 3);
    EXPECT_EQ(seam::LiveDisplayObjects(), 0) << "WM_DESTROY releases the display";
}

INSTANTIATE_TEST_SUITE_P(EscAndF12, ClosingKey, testing::Values(VK_ESCAPE, VK_F12));

TEST(MessageLoop, ZClosesOnlyOnceQuitWasChosen)
{
    int code = RunWinMain([&](int idle) {
        if (idle == 1) {
            seam::PostToWindow(WM_KEYDOWN, 'Z', 1);
        }
        if (idle == 5) {
            EXPECT_NE(seam::LiveDisplayObjects(), 0) << "Z before quit was chosen closed the program";
            g_quitRequested = 1;
            seam::PostToWindow(WM_KEYDOWN, 'Z', 1 | (1 << 30));
        }
        ASSERT_LT(idle, 10);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam::LiveDisplayObjects(), 0);
}

TEST(MessageLoop, MinimisedWindowRunsNoFrameAndRestoringResumes)
{
    int framesWhenMinimised = -1;
    DWORD tickWhenRestored = 0;
    RunWinMain([&](int idle) {
        if (idle == 2) {
            seam::PostToWindow(WM_ACTIVATE, WA_INACTIVE | (1 << 16), 0);
        }
        if (idle == 3) {
            framesWhenMinimised = seam::LastFrame().presented;
        }
        if (idle == 200) {
            EXPECT_EQ(seam::LastFrame().presented, framesWhenMinimised);
            seam::AdvanceTicks(5000);
            tickWhenRestored = GetTickCount();
            seam::PostToWindow(WM_ACTIVATE, WA_ACTIVE, 0);
        }
        if (idle == 203) {
            EXPECT_EQ(seam::LastFrame().presented, framesWhenMinimised + 2);
            EXPECT_GE(g_now, tickWhenRestored);
            seam::PostToWindow(WM_KEYDOWN, VK_ESCAPE, 1);
        }
    });
    EXPECT_EQ(framesWhenMinimised, 2);
}

TEST(FrameTick, UnknownSceneStampsTheTimePresentsAndChangesNothing)
{
    ASSERT_NE(StartDisplay(), nullptr);
    g_scene = 99;
    seam::SetTicks(1234);
    UpdateFrame(NULL);
    EXPECT_EQ(g_now, 1234u);
    EXPECT_EQ(g_scene, 99);
    EXPECT_EQ(seam::LastFrame().presented, 1);
}

}  // namespace
