// Threads.cpp: event groups and worker threads over the standard library (every system but
// Windows, which has win32/ThreadsWin32.cpp).
#include "platform/Threads.h"

#include "platform/EventGroupBook.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace Platform
{

struct CEventGroup::State : CEventGroupBook
{
    using CEventGroupBook::CEventGroupBook;
};

CEventGroup::CEventGroup(int nEvents) : m_pState(std::make_unique<State>(nEvents)) {}

CEventGroup::~CEventGroup() = default;

void CEventGroup::Set(int nIndex)
{
    State& state = *m_pState;
    std::lock_guard<std::mutex> lock(state.m_Mutex);
    if (state.m_bClosed || nIndex < 0 || static_cast<size_t>(nIndex) >= state.m_bSet.size())
        return;
    state.m_bSet[static_cast<size_t>(nIndex)] = true;
    state.m_Changed.notify_all();
}

DWORD CEventGroup::WaitAny(DWORD dwTimeoutMs)
{
    State& state = *m_pState;
    std::unique_lock<std::mutex> lock(state.m_Mutex);
    const bool bTimed = dwTimeoutMs != kWaitInfinite;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(bTimed ? dwTimeoutMs : 0);
    state.EnterWaitLocked(bTimed);

    DWORD dwResult = kWaitTimeout;
    for (;;)
    {
        if (state.m_bClosed)
        {
            dwResult = kWaitFailed;
            break;
        }
        size_t nIndex = 0;
        while (nIndex < state.m_bSet.size() && !state.m_bSet[nIndex])
            ++nIndex;
        if (nIndex < state.m_bSet.size())
        {
            state.m_bSet[nIndex] = false;
            dwResult = static_cast<DWORD>(nIndex);
            break;
        }
        if (bTimed && state.m_bNudged)
        {
            state.m_bNudged = false;
            break;
        }
        if (!bTimed)
            state.m_Changed.wait(lock);
        else if (state.m_Changed.wait_until(lock, deadline) == std::cv_status::timeout)
            break;
    }

    state.LeaveWaitLocked(bTimed);
    return dwResult;
}

void CEventGroup::Close()
{
    std::lock_guard<std::mutex> lock(m_pState->m_Mutex);
    m_pState->CloseLocked();
}

BOOL CEventGroup::IsClosed() const
{
    return m_pState->IsClosed();
}

void CEventGroup::Nudge()
{
    std::lock_guard<std::mutex> lock(m_pState->m_Mutex);
    m_pState->NudgeLocked();
}

BOOL CEventGroup::WaitUntilIdle(DWORD dwTimeoutMs)
{
    return m_pState->WaitUntilIdle(dwTimeoutMs);
}

void* CEventGroup::GetNativeEvent(int) const
{
    return nullptr;
}

struct CWorkerThread::State
{
    std::mutex mutex;
    std::condition_variable exited;
    bool bExited = false;
    std::thread thread;
};

CWorkerThread::CWorkerThread() : m_pState(std::make_shared<State>()) {}

CWorkerThread::~CWorkerThread()
{
    Terminate();
}

BOOL CWorkerThread::Start(std::function<DWORD()> fnBody)
{
    if (m_pState->thread.joinable())
        return FALSE;
    std::shared_ptr<State> pState = m_pState;
    try
    {
        m_pState->thread = std::thread(
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
    return m_pState->thread.joinable() ? TRUE : FALSE;
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
    std::thread& thread = m_pState->thread;
    if (!thread.joinable() || thread.get_id() == std::this_thread::get_id())
        return;
    thread.join();
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    m_pState->bExited = false;
}

void SleepRealTime(DWORD dwMilliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}

} // namespace Platform
