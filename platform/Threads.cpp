// Threads.cpp: event groups and worker threads over the standard library (portable).
#include "platform/Threads.h"

#include <chrono>
#include <system_error>

namespace Platform
{

CEventGroup::CEventGroup(int nEvents)
    : m_bSet(static_cast<size_t>(nEvents > 0 ? nEvents : 0), false),
      m_nWaiters(0),
      m_nTimedWaiters(0),
      m_bNudged(false),
      m_bClosed(false)
{
}

void CEventGroup::Set(int nIndex)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (m_bClosed || nIndex < 0 || static_cast<size_t>(nIndex) >= m_bSet.size())
        return;
    m_bSet[static_cast<size_t>(nIndex)] = true;
    m_Changed.notify_all();
}

DWORD CEventGroup::WaitAny(DWORD dwTimeoutMs)
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    const bool bTimed = dwTimeoutMs != kWaitInfinite;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(bTimed ? dwTimeoutMs : 0);
    // A nudge is meant for a consumer that polls; one waiting without a time-out has nothing
    // to check again.
    if (!bTimed)
        m_bNudged = false;
    ++m_nWaiters;
    if (bTimed)
        ++m_nTimedWaiters;
    m_Changed.notify_all(); // a driver in WaitUntilIdle may be waiting for this moment

    DWORD dwResult = kWaitTimeout;
    for (;;)
    {
        if (m_bClosed)
        {
            dwResult = kWaitFailed;
            break;
        }
        size_t nIndex = 0;
        while (nIndex < m_bSet.size() && !m_bSet[nIndex])
            ++nIndex;
        if (nIndex < m_bSet.size())
        {
            m_bSet[nIndex] = false;
            dwResult = static_cast<DWORD>(nIndex);
            break;
        }
        if (bTimed && m_bNudged)
        {
            m_bNudged = false;
            break;
        }
        if (!bTimed)
            m_Changed.wait(lock);
        else if (m_Changed.wait_until(lock, deadline) == std::cv_status::timeout)
            break;
    }

    --m_nWaiters;
    if (bTimed)
        --m_nTimedWaiters;
    m_Changed.notify_all();
    return dwResult;
}

void CEventGroup::Close()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_bClosed = true;
    m_Changed.notify_all();
}

BOOL CEventGroup::IsClosed() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_bClosed ? TRUE : FALSE;
}

void CEventGroup::Nudge()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (m_bClosed)
        return;
    // A consumer busy outside the wait is nudged too: it takes the nudge when it next waits
    // with a time-out, or drops it when it next waits without one.
    if (m_nWaiters > 0 && m_nTimedWaiters == 0)
        return;
    m_bNudged = true;
    m_Changed.notify_all();
}

BOOL CEventGroup::IsIdleLocked() const
{
    if (m_bClosed)
        return TRUE;
    for (bool bSet : m_bSet)
    {
        if (bSet)
            return FALSE;
    }
    return (m_nWaiters > 0 && !m_bNudged) ? TRUE : FALSE;
}

BOOL CEventGroup::WaitUntilIdle(DWORD dwTimeoutMs)
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    return m_Changed.wait_for(lock, std::chrono::milliseconds(dwTimeoutMs), [this] { return IsIdleLocked() != FALSE; })
               ? TRUE
               : FALSE;
}

CWorkerThread::CWorkerThread() : m_pState(std::make_shared<SharedState>()) {}

CWorkerThread::~CWorkerThread()
{
    Terminate();
}

BOOL CWorkerThread::Start(std::function<DWORD()> fnBody)
{
    if (m_Thread.joinable())
        return FALSE;
    std::shared_ptr<SharedState> pState = m_pState;
    try
    {
        m_Thread = std::thread(
            [pState, fnBody]()
            {
                fnBody();
                std::lock_guard<std::mutex> lock(pState->mutex);
                pState->bExited = true;
                pState->exited.notify_all();
            });
    }
    catch (const std::system_error&)
    {
        return FALSE;
    }
    return TRUE;
}

BOOL CWorkerThread::IsStarted() const
{
    return m_Thread.joinable() ? TRUE : FALSE;
}

BOOL CWorkerThread::WaitForExit(DWORD dwTimeoutMs)
{
    std::unique_lock<std::mutex> lock(m_pState->mutex);
    return m_pState->exited.wait_for(lock, std::chrono::milliseconds(dwTimeoutMs),
                                     [this] { return m_pState->bExited; })
               ? TRUE
               : FALSE;
}

void CWorkerThread::Terminate()
{
    if (!m_Thread.joinable() || m_Thread.get_id() == std::this_thread::get_id())
        return;
    m_Thread.join();
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    m_pState->bExited = false;
}

void SleepRealTime(DWORD dwMilliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}

} // namespace Platform
