// Threads.h: the threads-and-events service of the streaming sound.
//
// Contract:
// - CEventGroup is a fixed set of auto-reset events. Set may be called from any thread; WaitAny
//   blocks until one event is set, takes it (it is reset by being taken) and reports its index;
//   when several are set the lowest index is reported first. Close wakes every waiter with
//   kWaitFailed, and every later wait fails at once; Set on a closed group does nothing.
// - A driver that must never run ahead of a group's consumer (the headless audio device) calls
//   WaitUntilIdle after setting an event: it returns once the consumer has taken every event
//   and is blocked in WaitAny again, or the group is closed. Nudge wakes a consumer blocked in
//   a wait with a time-out (it returns kWaitTimeout), so that a consumer polling some other
//   state checks it once more before WaitUntilIdle reports it idle.
// - CWorkerThread starts one body on a new thread at once. Terminate, the last resort for a
//   worker that does not stop, waits for the body to return; on Windows it waits a grace period
//   and then ends the thread with TerminateThread. A worker must still make itself stoppable (it
//   only ever blocks in WaitAny or for a bounded time, and gives up when its event group is
//   closed): a thread ended from outside may leave whatever it held behind.
// - Each operating system has its own implementation (standard library threads and condition
//   variables; on Windows kernel events and threads, so that a device may set an event itself).
// - SleepRealTime sleeps on the wall clock; a worker uses it instead of the game clock's Sleep,
//   which may be virtual and move the game's time.
#pragma once

#include "platform/WinTypes.h"

#include <functional>
#include <memory>

namespace Platform
{

constexpr DWORD kWaitInfinite = 0xFFFFFFFFu;
constexpr DWORD kWaitTimeout = 0x00000102u;
constexpr DWORD kWaitFailed = 0xFFFFFFFFu;

class CEventGroup
{
public:
    explicit CEventGroup(int nEvents);
    ~CEventGroup();
    CEventGroup(const CEventGroup&) = delete;
    CEventGroup& operator=(const CEventGroup&) = delete;

    void Set(int nIndex);
    // The index of the event taken, kWaitTimeout after dwTimeoutMs (or a Nudge during a timed
    // wait), kWaitFailed once the group is closed. kWaitInfinite waits without a time-out.
    DWORD WaitAny(DWORD dwTimeoutMs);
    void Close();
    BOOL IsClosed() const;

    void Nudge();
    // TRUE when the consumer became idle or the group was closed; FALSE after dwTimeoutMs of
    // real time.
    BOOL WaitUntilIdle(DWORD dwTimeoutMs);

    // The operating system's own object behind event nIndex, for a device that sets it itself
    // (a Win32 event HANDLE on Windows); null where events have no such object, or after Close.
    void* GetNativeEvent(int nIndex) const;

private:
    struct State;
    std::unique_ptr<State> m_pState;
};

class CWorkerThread
{
public:
    CWorkerThread();
    // Waits for a body that is still running.
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts fnBody on a new thread; FALSE when a body was started already or no thread could
    // be made.
    BOOL Start(std::function<DWORD()> fnBody);
    BOOL IsStarted() const;
    // TRUE once the body has returned; waits up to dwTimeoutMs of real time for it. The
    // body's result is the thread's exit code, which nothing here keeps.
    BOOL WaitForExit(DWORD dwTimeoutMs);
    // Waits for the body to return, or ends the thread (see the contract above), and releases
    // it.
    void Terminate();

private:
    struct State;
    std::shared_ptr<State> m_pState;
};

void SleepRealTime(DWORD dwMilliseconds);

} // namespace Platform
