// Tests of the frame update and presentation: lost surfaces, failed locks and unlocks.
#include "ShellTestSupport.h"

namespace
{

const std::string kLockFailed = "Unable to lock surface in Core::UpdateFrame()\r\n";
const std::string kLoopContinue = "UpdateFrame return FALSE, performing continue.\n\r\n";

TEST_F(ShellTest, LostBackSurfaceThatRestoresIsDrawnInTheSamePass)
{
    m_Window.ScheduleAction(20, [this]() { m_Display.Back()->Lose(); });
    CloseAt(40);
    ASSERT_EQ(RunGame(), 0);

    // Frames at 0 and after the tick at 34: that one finds the surface lost, restores it and
    // draws.
    ASSERT_EQ(m_Record.DrawFullFlags.size(), 2u);
    EXPECT_FALSE(m_Record.DrawFullFlags[1]); // a restored back surface asks for no full frame
    EXPECT_EQ(CountTrace(kLockFailed), 1);
    EXPECT_EQ(CountTrace(kLoopContinue), 0);
    EXPECT_EQ(m_Display.BackCounts().nRestores, 1);
    EXPECT_EQ(m_Display.BackCounts().dwLastLockFlags, static_cast<DWORD>(Platform::LOCK_WAIT));
    EXPECT_EQ(m_Display.PrimaryCounts().nBlts, 2);
}

TEST_F(ShellTest, LostPrimarySurfaceMakesTheNextFrameComplete)
{
    m_Window.ScheduleAction(20, [this]() { m_Display.Primary()->Lose(); });
    CloseAt(60);
    ASSERT_EQ(RunGame(), 0);

    // Frames at 0, after the tick at 34 (whose presentation finds the screen lost) and at 50.
    ASSERT_EQ(m_Record.DrawFullFlags.size(), 3u);
    const BOOL expected[] = {TRUE, FALSE, TRUE};
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(m_Record.DrawFullFlags[i], expected[i]) << "frame " << i;
    EXPECT_EQ(CountTrace("Primary surface was lost.\n\r\n"), 1);
    EXPECT_EQ(m_Display.PrimaryCounts().nRestores, 1);
}

// Each failure inside the frame update gives its traces, no draw (unless the lock worked),
// no presentation in that pass, and the loop carries on.
TEST(ShellFrameFailureTest, FailuresAreTracedAndThePassPresentsNothing)
{
    struct Case
    {
        const char* pszName;
        std::function<void(Platform::CHeadlessSurface&)> fnInject;
        std::vector<std::string> traces;
        size_t nDraws; // in the failing pass
    };
    const Case cases[] = {
        {"lock fails",
         [](Platform::CHeadlessSurface& back) { back.FailLocks(1); },
         {kLockFailed, "Unable to lock surface after attept to restore, in Core::UpdateFrame()\r\n"},
         0},
        {"restore fails",
         [](Platform::CHeadlessSurface& back)
         {
             back.Lose();
             back.FailRestores(1);
         },
         {kLockFailed, "Unable to retore lost surface in Core::UpdateFrame()\r\n"},
         0},
        {"second lock fails",
         [](Platform::CHeadlessSurface& back)
         {
             back.Lose();
             back.FailLocks(2); // the lost one reports the loss first; the retry fails
         },
         {kLockFailed, "Unable to lock retored surface in Core::UpdateFrame()\r\n"},
         0},
        {"unlock fails",
         [](Platform::CHeadlessSurface& back) { back.FailUnlocks(1); },
         {"Unable to unlock surface, in Core::UpdateFrame()\r\n"},
         1},
    };
    for (const Case& c : cases)
    {
        ShellMachine m;
        // Frames fall at 0 and after the tick at 34; the failure hits the one at 34.
        m.m_Window.ScheduleAction(10, [&m, &c]() { c.fnInject(*m.m_Display.Back()); });
        BOOL bLockedAfter = TRUE;
        m.m_Window.ScheduleAction(39,
                                  [&m, &bLockedAfter]() { bLockedAfter = m.m_Display.Back()->IsLocked(); });
        m.CloseAt(40);
        ASSERT_EQ(m.RunGame(), 0) << c.pszName;

        std::vector<std::string> expected = c.traces;
        expected.push_back(kLoopContinue);
        EXPECT_EQ(m.TracesFrom(c.traces[0].c_str()), expected) << c.pszName;
        EXPECT_EQ(m.m_Record.DrawFullFlags.size(), 1 + c.nDraws) << c.pszName;
        EXPECT_EQ(m.m_Display.PrimaryCounts().nBlts, 1) << c.pszName;
        EXPECT_FALSE(bLockedAfter) << c.pszName;
    }
}

TEST_F(ShellTest, DisplayThatStaysLostTracesOncePerRefreshWithoutSpinning)
{
    m_Window.ScheduleAction(10,
                            [this]()
                            {
                                m_Display.Back()->Lose();
                                m_Display.Back()->FailRestores(1000000);
                            });
    CloseAt(170);
    ASSERT_EQ(RunGame(), 0);
    // Attempts from the first tick on, at 34, 50, ..., 162: one per refresh period, each traced.
    EXPECT_EQ(CountTrace(kLoopContinue), 9);
}

} // namespace
