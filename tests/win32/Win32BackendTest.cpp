// Win32BackendTest.cpp: the Windows services against the real system calls (run under Wine).
#include "platform/Backend.h"
#include "platform/Threads.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

using namespace Platform;

namespace
{

// A device sets the kernel events itself (DirectSound does): the group's waiter takes them,
// lowest index first, and a closed group still fails its waits.
TEST(Win32Events, EventsSetByTheSystemWakeTheWaiterLowestFirst)
{
    CEventGroup events(3);
    ASSERT_NE(events.GetNativeEvent(0), nullptr);
    EXPECT_EQ(events.GetNativeEvent(3), nullptr);
    EXPECT_EQ(events.WaitAny(0), kWaitTimeout);

    ::SetEvent(static_cast<HANDLE>(events.GetNativeEvent(2)));
    ::SetEvent(static_cast<HANDLE>(events.GetNativeEvent(1)));
    EXPECT_EQ(events.WaitAny(kWaitInfinite), 1u);
    EXPECT_EQ(events.WaitAny(kWaitInfinite), 2u);
    EXPECT_EQ(events.WaitAny(0), kWaitTimeout); // auto-reset: each was taken once

    CWorkerThread setter;
    ASSERT_TRUE(setter.Start(
        [&events]() -> DWORD
        {
            ::Sleep(50);
            ::SetEvent(static_cast<HANDLE>(events.GetNativeEvent(0)));
            return 0;
        }));
    EXPECT_EQ(events.WaitAny(5000), 0u);
    setter.Terminate();

    events.Close();
    ::SetEvent(static_cast<HANDLE>(events.GetNativeEvent(0)));
    EXPECT_EQ(events.WaitAny(kWaitInfinite), kWaitFailed);
}

// A worker that never comes back is ended after the grace period; one that ends by itself is
// simply waited for.
TEST(Win32Threads, TerminateEndsAWorkerThatDoesNotStop)
{
    std::atomic<bool> bStarted{false};
    CWorkerThread stuck;
    ASSERT_TRUE(stuck.Start(
        [&bStarted]() -> DWORD
        {
            bStarted = true;
            ::Sleep(INFINITE);
            return 0;
        }));
    while (!bStarted)
        ::Sleep(1);
    EXPECT_FALSE(stuck.WaitForExit(100));
    const DWORD dwStart = ::GetTickCount();
    stuck.Terminate();
    const DWORD dwTaken = ::GetTickCount() - dwStart;
    EXPECT_GE(dwTaken, 900u);  // the grace period first
    EXPECT_LT(dwTaken, 5000u); // then the end, not a hang
    EXPECT_FALSE(stuck.IsStarted());

    CWorkerThread quick;
    ASSERT_TRUE(quick.Start([]() -> DWORD { return 7; }));
    EXPECT_TRUE(quick.WaitForExit(5000));
    const DWORD dwQuickStart = ::GetTickCount();
    quick.Terminate();
    EXPECT_LT(::GetTickCount() - dwQuickStart, 500u);
}

// The game's pauses (the boot's, the exits') rest on Sleep: no other check would notice one
// that returns at once.
TEST(Win32Clock, TimeMovesWithSleep)
{
    CWin32Clock clock;
    const DWORD dwStart = clock.TimeGetTime();
    const DWORD dwTicks = clock.GetTickCount();
    clock.Sleep(50);
    const DWORD dwSlept = clock.TimeGetTime() - dwStart;
    EXPECT_GE(dwSlept, 45u);
    EXPECT_LT(dwSlept, 2000u);
    EXPECT_GE(clock.GetTickCount() - dwTicks, 40u);
}

// The window's procedure as the shell's would be: records what reaches it, closes on WM_CLOSE
// through DefWindowProc and quits on WM_DESTROY.
std::vector<UINT> g_Received;
CWin32Window* g_pWindow = nullptr;

LRESULT RecordingProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_USER || nMessage == WM_DESTROY || nMessage == WM_CLOSE)
        g_Received.push_back(nMessage);
    if (nMessage == WM_DESTROY)
    {
        g_pWindow->PostQuitMessage(3);
        return 0;
    }
    return g_pWindow->DefWindowProc(hWnd, nMessage, wParam, lParam);
}

TEST(Win32Window, MessagesRunThroughTheSystemQueueToQuit)
{
    CWin32Window window;
    g_pWindow = &window;
    g_Received.clear();
    WindowDesc desc = {};
    desc.pszClassName = "VelvinaTestWindow";
    desc.pszTitle = "VelvinaTestWindow";
    desc.pfnWindowProc = &RecordingProc;
    desc.nWidth = 200;
    desc.nHeight = 100;
    HWND hWnd = window.CreateWindow(desc);
    if (!hWnd)
        GTEST_SKIP() << "no window without a display driver";
    EXPECT_TRUE(window.IsWindow(hWnd));

    WindowMessage msg = {};
    while (window.PeekMessage(msg) && window.GetMessage(msg)) // what creation left behind
        window.DispatchMessage(msg);
    EXPECT_FALSE(window.PeekMessage(msg));
    const DWORD dwStart = ::GetTickCount();
    window.WaitMessage(60);
    EXPECT_GE(::GetTickCount() - dwStart, 40u); // nothing waiting: the wait runs out

    ASSERT_TRUE(window.PostMessage(hWnd, WM_USER, 1, 2));
    window.WaitMessage(5000); // returns at once: a message waits
    ASSERT_TRUE(window.PeekMessage(msg));
    EXPECT_EQ(msg.nMessage, static_cast<UINT>(WM_USER));
    ASSERT_TRUE(window.GetMessage(msg));
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(msg.lParam, 2);
    window.DispatchMessage(msg);

    // WM_CLOSE through DefWindowProc destroys the window; WM_DESTROY posts the quit.
    ASSERT_TRUE(window.PostMessage(hWnd, WM_CLOSE, 0, 0));
    int nDispatched = 0;
    while (window.GetMessage(msg) && ++nDispatched < 100)
        window.DispatchMessage(msg);
    EXPECT_EQ(msg.nMessage, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(window.IsWindow(hWnd));
    EXPECT_EQ(g_Received, (std::vector<UINT>{WM_USER, WM_CLOSE, WM_DESTROY}));
    g_pWindow = nullptr;
}

} // namespace
