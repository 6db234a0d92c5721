// EventGroupBook.h: what both implementations of CEventGroup (Threads.h) keep alike, under one
// mutex: which events were set and not yet taken, who waits (with a time-out or without),
// nudges and closing; and, built on those, nudging and the wait for an idle consumer. Internal
// to the platform layer: Threads.cpp (standard library) and win32/ThreadsWin32.cpp (kernel
// events) each add their way of waiting.
#pragma once

#include "platform/WinTypes.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace Platform
{

struct CEventGroupBook
{
    explicit CEventGroupBook(int nEvents) : m_bSet(static_cast<size_t>(nEvents > 0 ? nEvents : 0), false) {}

    // The calls ending in Locked need m_Mutex held.

    // Counts a waiter in before it waits (a wait without a time-out drops a nudge: it has
    // nothing to check again) and out after it.
    void EnterWaitLocked(bool bTimed)
    {
        if (!bTimed)
            m_bNudged = false;
        ++m_nWaiters;
        if (bTimed)
            ++m_nTimedWaiters;
        m_Changed.notify_all(); // a driver in WaitUntilIdle may be waiting for this moment
    }

    void LeaveWaitLocked(bool bTimed)
    {
        --m_nWaiters;
        if (bTimed)
            --m_nTimedWaiters;
        m_Changed.notify_all();
    }

    // Records a nudge; false when there is nobody to nudge (the group is closed, or its
    // consumer waits without a time-out). A consumer busy outside the wait is nudged too: it
    // takes the nudge when it next waits with a time-out, or drops it when it next waits
    // without one.
    bool NudgeLocked()
    {
        if (m_bClosed || (m_nWaiters > 0 && m_nTimedWaiters == 0))
            return false;
        m_bNudged = true;
        m_Changed.notify_all();
        return true;
    }

    void CloseLocked()
    {
        m_bClosed = true;
        m_Changed.notify_all();
    }

    BOOL IsClosed() const
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_bClosed ? TRUE : FALSE;
    }

    bool IsIdleLocked() const
    {
        if (m_bClosed)
            return true;
        for (bool bSet : m_bSet)
        {
            if (bSet)
                return false;
        }
        return m_nWaiters > 0 && !m_bNudged;
    }

    BOOL WaitUntilIdle(DWORD dwTimeoutMs)
    {
        std::unique_lock<std::mutex> lock(m_Mutex);
        return m_Changed.wait_for(lock, std::chrono::milliseconds(dwTimeoutMs),
                                  [this] { return IsIdleLocked(); })
                   ? TRUE
                   : FALSE;
    }

    mutable std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::vector<bool> m_bSet;
    int m_nWaiters = 0;
    int m_nTimedWaiters = 0;
    bool m_bNudged = false;
    bool m_bClosed = false;
};

} // namespace Platform
