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

TEST_F(ShellTest, IdleLoopTicksEvery34MsAndDrawsOnlyAfterATick)
{
    CloseAt(1000);
    ASSERT_EQ(RunGame(), 0);

    ASSERT_FALSE(m_Record.TickTimes.empty());
    for (size_t i = 0; i < m_Record.TickTimes.size(); ++i)
        EXPECT_EQ(m_Record.TickTimes[i], 34u * (i + 1));
    EXPECT_EQ(m_Record.TickTimes.size(), 29u);
    // The first frame, then one after each tick: not one per 16-ms refresh, nor one per pass.
    EXPECT_EQ(m_Record.DrawFullFlags.size(), m_Record.TickTimes.size() + 1);
}

// Between ticks a still screen is not drawn again, but a message is drawn at the next refresh.
TEST(ShellLoopTest, MessageBetweenTicksIsDrawnAtTheNextRefresh)
{
    for (const bool bMove : {false, true})
    {
        ShellMachine m;
        if (bMove)
            m.m_Window.ScheduleMessage(10, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        m.CloseAt(30); // before the first tick
        ASSERT_EQ(m.RunGame(), 0);
        EXPECT_EQ(m.m_Record.DrawFullFlags.size(), bMove ? 2u : 1u) << (bMove ? "a move at 10" : "no input");
    }
}

// A close request, an exception from an update and one while the first scene loads all end
// through the shutdown path: code 0, the window destroyed and everything given back once.
TEST(ShellEndTest, EveryEndGoesThroughTheShutdownPath)
{
    const std::string kLoopException =
        "Error, Unhandled exception detected in application main loop in core\r\n";
    const struct
    {
        const char* pszName;
        int nThrowOnTick;
        BOOL bThrowOnLoad;
        std::vector<std::string> traces; // the exceptions traced
        size_t nTicks;
    } cases[] = {
        {"close", 0, FALSE, {}, 2},
        {"exception from the second update", 2, FALSE, {kLoopException}, 2},
        {"exception while loading",
         0,
         TRUE,
         {"Error, Unhandled exception detected while loading the first scene in core\r\n"},
         0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        ShellMachine m;
        m.m_Record.nThrowOnTick = c.nThrowOnTick;
        m.m_Record.bThrowOnLoad = c.bThrowOnLoad;
        m.CloseAt(c.nThrowOnTick ? 5000 : 100); // an exception comes long before the close
        EXPECT_EQ(m.RunGame(), 0);
        EXPECT_EQ(m.m_Record.TickTimes.size(), c.nTicks);
        EXPECT_EQ(m.TracesFrom("Error, Unhandled"), c.traces);
        EXPECT_EQ(m.m_Window.GetDestroyCount(), 1);
        m.ExpectSurfacesReleased(1, 1);
        EXPECT_EQ(m.m_Display.RestoreModeCount(), 1);
        EXPECT_FALSE(m.m_Display.IsExclusive());
        EXPECT_FALSE(m.m_Display.IsModeSet());
        EXPECT_TRUE(m.m_Display.IsReleased());
        EXPECT_EQ(g_pDirectDraw, nullptr);
    }
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
    EXPECT_EQ(m_Record.Inputs, std::vector<ProbeRecord::Input>(std::begin(expected), std::end(expected)));
}

TEST_F(ShellTest, WindowIsPinnedToItsCreationSize)
{
    CloseAt(0);
    ASSERT_EQ(RunGame(), 0);
    Platform::MinMaxInfo info = {};
    EXPECT_EQ(Core::WindowProc(nullptr, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 640);
    EXPECT_EQ(info.ptMinTrackSize.y, 480);
    EXPECT_EQ(info.ptMaxTrackSize.x, 640);
    EXPECT_EQ(info.ptMaxTrackSize.y, 480);
}

} // namespace
