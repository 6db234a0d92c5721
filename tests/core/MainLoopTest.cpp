// Tests of the main loop on the virtual clock: the catch-up rule, frame pacing, and the
// orderly end after an exception.
#include "ShellTestSupport.h"

#include <algorithm>

ProbeRecord* CProbeScene::s_pRecord = nullptr;

namespace
{

// A draw that takes dwStall ms is followed by exactly the ticks the catch-up rule gives for
// that much elapsed time (the last batch ended at 0, when the loop started).
TEST(ShellLoopTest, TicksAfterADelayFollowTheCatchUpRule)
{
    struct Case
    {
        DWORD dwStall;
        size_t nTicks;
    };
    const Case cases[] = {{33, 0}, {34, 1}, {40, 1},   {65, 1},    {66, 3},
                          {70, 3}, {99, 4}, {363, 11}, {1000, 11}, {60000, 11}};
    for (const Case& c : cases)
    {
        ShellMachine m;
        m.m_Record.dwStallOnFirstDraw = c.dwStall;
        m.CloseAt(c.dwStall + 1);
        ASSERT_EQ(m.RunGame(), 0);
        const auto nAtStall = std::count(m.m_Record.TickTimes.begin(), m.m_Record.TickTimes.end(), c.dwStall);
        EXPECT_EQ(static_cast<size_t>(nAtStall), c.nTicks) << "stall of " << c.dwStall << " ms";
    }
}

TEST_F(ShellTest, IdleLoopTicksEvery34MsAndDrawsAtMostOncePerRefresh)
{
    CloseAt(1000);
    ASSERT_EQ(RunGame(), 0);

    ASSERT_FALSE(m_Record.TickTimes.empty());
    for (size_t i = 0; i < m_Record.TickTimes.size(); ++i)
        EXPECT_EQ(m_Record.TickTimes[i], 34u * (i + 1));
    EXPECT_EQ(m_Record.TickTimes.size(), 29u);
    // One frame per 16-ms refresh, not one per pass.
    EXPECT_EQ(m_Record.DrawFullFlags.size(), 1000u / 16 + 1);
}

TEST_F(ShellTest, FirstFrameIsCompleteAndTheSecondIsNot)
{
    CloseAt(40);
    ASSERT_EQ(RunGame(), 0);
    ASSERT_GE(m_Record.DrawFullFlags.size(), 2u);
    EXPECT_TRUE(m_Record.DrawFullFlags[0]);
    EXPECT_FALSE(m_Record.DrawFullFlags[1]);
    EXPECT_FALSE(g_bFullRedraw);
}

TEST_F(ShellTest, ExceptionFromAnUpdateEndsThroughTheShutdownPath)
{
    m_Record.nThrowOnTick = 2;
    CloseAt(5000); // never reached
    EXPECT_EQ(RunGame(), 0);

    EXPECT_EQ(m_Record.TickTimes.size(), 2u);
    EXPECT_EQ(CountTrace("Error, Unhandled exception detected in application main loop in core\r\n"), 1);
    EXPECT_LT(m_Clock.TimeGetTime(), 5000u);
    EXPECT_EQ(m_Window.GetDestroyCount(), 1);
    ExpectSurfacesReleased(1, 1);
    EXPECT_EQ(m_Display.RestoreModeCount(), 1);
    EXPECT_TRUE(m_Display.IsReleased());
    EXPECT_EQ(g_pDirectDraw, nullptr);
}

TEST_F(ShellTest, ExceptionWhileLoadingTheFirstSceneEndsInOrder)
{
    m_Record.bThrowOnLoad = TRUE;
    EXPECT_EQ(RunGame(), 0);

    EXPECT_TRUE(m_Record.DrawFullFlags.empty());
    EXPECT_EQ(CountTrace("Error, Unhandled exception detected while loading the first scene in core\r\n"), 1);
    EXPECT_EQ(m_Window.GetDestroyCount(), 1);
    ExpectSurfacesReleased(1, 1);
    EXPECT_TRUE(m_Display.IsReleased());
    EXPECT_FALSE(m_Display.IsModeSet());
}

TEST_F(ShellTest, CloseRequestEndsWithCodeZeroAndGivesEverythingBackOnce)
{
    CloseAt(100);
    EXPECT_EQ(RunGame(), 0);
    EXPECT_EQ(m_Window.GetDestroyCount(), 1);
    ExpectSurfacesReleased(1, 1);
    EXPECT_EQ(m_Display.RestoreModeCount(), 1);
    EXPECT_FALSE(m_Display.IsExclusive());
    EXPECT_EQ(CountTrace("Error, Unhandled exception detected in application main loop in core\r\n"), 0);
}

TEST_F(ShellTest, InputReachesTheSceneUnchanged)
{
    const LPARAM lAt = MAKELPARAM(123, 456);
    m_Window.ScheduleMessage(10, WM_MOUSEMOVE, 0, lAt);
    m_Window.ScheduleMessage(10, WM_LBUTTONDOWN, MK_LBUTTON, lAt);
    m_Window.ScheduleMessage(10, WM_LBUTTONUP, 0, lAt);
    m_Window.ScheduleMessage(10, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, lAt);
    m_Window.ScheduleMessage(10, WM_RBUTTONUP, MK_SHIFT, lAt);
    m_Window.ScheduleMessage(10, 0x0207 /* middle button */, 0, lAt);
    m_Window.ScheduleMessage(10, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    CloseAt(20);
    ASSERT_EQ(RunGame(), 0);

    const ProbeRecord::Input expected[] = {
        {0, lAt, 0},        {MK_LBUTTON, lAt, 0},       {0, lAt, 1}, {MK_RBUTTON | MK_SHIFT, lAt, 0},
        {MK_SHIFT, lAt, 1}, {VK_ESCAPE, 0x00010001, 2},
    };
    ASSERT_EQ(m_Record.Inputs.size(), sizeof(expected) / sizeof(expected[0]));
    for (size_t i = 0; i < m_Record.Inputs.size(); ++i)
    {
        EXPECT_EQ(m_Record.Inputs[i].wParam, expected[i].wParam) << i;
        EXPECT_EQ(m_Record.Inputs[i].lParam, expected[i].lParam) << i;
        EXPECT_EQ(m_Record.Inputs[i].nKind, expected[i].nKind) << i;
    }
}

TEST_F(ShellTest, WindowIsPinnedToItsCreationSize)
{
    CloseAt(0);
    ASSERT_EQ(RunGame(), 0);
    MINMAXINFO info = {};
    EXPECT_EQ(Core::WindowProc(nullptr, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 640);
    EXPECT_EQ(info.ptMinTrackSize.y, 480);
    EXPECT_EQ(info.ptMaxTrackSize.x, 640);
    EXPECT_EQ(info.ptMaxTrackSize.y, 480);
}

} // namespace
