// QueuedWindowTest.cpp: the message queue and the window's life that both window backends
// share, driven through the headless window: quitting, peeking, dispatch after destruction,
// WM_CLOSE handling and a DestroyWindow from within WM_DESTROY.
#include "platform/headless/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Platform;

namespace
{

// What the window procedure saw; a test may make it act on a message.
struct ProcLog
{
    std::vector<UINT> messages;
    CHeadlessWindow* pWindow = nullptr;
    BOOL bDestroyAgainOnDestroy = FALSE;
    BOOL bDestroyAgainResult = TRUE;
    BOOL bWindowDuringDestroy = FALSE;
};

ProcLog* g_pLog = nullptr;

LRESULT RecordingProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    g_pLog->messages.push_back(nMessage);
    if (nMessage == WM_DESTROY)
        g_pLog->bWindowDuringDestroy = g_pLog->pWindow->IsWindow(hWnd);
    if (nMessage == WM_DESTROY && g_pLog->bDestroyAgainOnDestroy)
        g_pLog->bDestroyAgainResult = g_pLog->pWindow->DestroyWindow(hWnd);
    if (nMessage == WM_CLOSE)
        return g_pLog->pWindow->DefWindowProc(hWnd, nMessage, wParam, lParam);
    return 0;
}

class QueuedWindowTest : public ::testing::Test
{
protected:
    QueuedWindowTest() : m_Window(m_Clock)
    {
        m_Log.pWindow = &m_Window;
        g_pLog = &m_Log;
        const WindowDesc desc = {"class", "title", RecordingProc, 640, 480, 0, 106};
        m_hWnd = m_Window.CreateWindow(desc);
    }
    ~QueuedWindowTest() override { g_pLog = nullptr; }

    CVirtualClock m_Clock;
    CHeadlessWindow m_Window;
    ProcLog m_Log;
    HWND m_hWnd = nullptr;
};

TEST_F(QueuedWindowTest, GetMessageEndsOnQuitWithTheExitCodeAndWhenNothingCanCome)
{
    m_Window.PostMessage(m_hWnd, WM_KEYDOWN, 'A', 0);
    m_Window.PostQuitMessage(7);
    WindowMessage msg = {};
    ASSERT_TRUE(m_Window.PeekMessage(msg));
    EXPECT_EQ(msg.nMessage, static_cast<UINT>(WM_KEYDOWN)); // peeking leaves it queued
    EXPECT_TRUE(m_Window.GetMessage(msg));
    EXPECT_EQ(msg.nMessage, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_FALSE(m_Window.GetMessage(msg));
    EXPECT_EQ(msg.nMessage, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
    // An empty queue and an empty timeline: the loop ends as on a quit.
    EXPECT_FALSE(m_Window.PeekMessage(msg));
    EXPECT_FALSE(m_Window.GetMessage(msg));
    EXPECT_EQ(msg.nMessage, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.hWnd, m_hWnd);
}

TEST_F(QueuedWindowTest, WaitingReturnsAtTheNextScheduledMessageOrTheTimeout)
{
    m_Window.ScheduleMessage(40, WM_MOUSEMOVE, 0, 0);
    m_Window.WaitMessage(100);
    EXPECT_EQ(m_Clock.TimeGetTime(), 40u);
    WindowMessage msg = {};
    EXPECT_TRUE(m_Window.PeekMessage(msg));
    m_Window.WaitMessage(100); // a message is waiting: no time passes
    EXPECT_EQ(m_Clock.TimeGetTime(), 40u);
    EXPECT_TRUE(m_Window.GetMessage(msg));
    m_Window.WaitMessage(25);
    EXPECT_EQ(m_Clock.TimeGetTime(), 65u);
}

TEST_F(QueuedWindowTest, CloseDestroysOnceAndDispatchStopsAfterwards)
{
    m_Window.PostMessage(m_hWnd, WM_CLOSE, 0, 0);
    WindowMessage msg = {};
    ASSERT_TRUE(m_Window.GetMessage(msg));
    m_Window.DispatchMessage(msg);
    EXPECT_EQ(m_Log.messages, (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(m_Window.IsWindow(m_hWnd));
    EXPECT_EQ(m_Window.GetDestroyCount(), 1);
    EXPECT_FALSE(m_Window.DestroyWindow(m_hWnd));
    m_Window.DispatchMessage(WindowMessage{m_hWnd, WM_KEYDOWN, 'A', 0});
    EXPECT_EQ(m_Log.messages.size(), 2u);
    EXPECT_EQ(m_Window.GetDestroyCount(), 1);
}

TEST_F(QueuedWindowTest, DestroyFromWithinDestroyIsRefusedAndTheWindowExistsMeanwhile)
{
    m_Log.bDestroyAgainOnDestroy = TRUE;
    EXPECT_FALSE(m_Window.DestroyWindow(nullptr));
    EXPECT_TRUE(m_Window.DestroyWindow(m_hWnd));
    EXPECT_FALSE(m_Log.bDestroyAgainResult);
    EXPECT_TRUE(m_Log.bWindowDuringDestroy);
    EXPECT_EQ(m_Log.messages, (std::vector<UINT>{WM_DESTROY}));
    EXPECT_EQ(m_Window.GetDestroyCount(), 1);
    EXPECT_EQ(m_Window.GetHwnd(), nullptr);
}

} // namespace
