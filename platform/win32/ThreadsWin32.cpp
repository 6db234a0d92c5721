// ThreadsWin32.cpp: event groups over Win32 auto-reset events, worker threads over CreateThread.
//
// Each event of a group is a kernel event, so a device can be handed the HANDLE and set it
// itself (DirectSound's position notifications do). Two more events serve the group: a
// manual-reset one that Close sets, which every wait includes, and a manual-reset nudge that
// only waits with a time-out include. WaitForMultipleObjects reports the lowest signalled
// index, which gives the contract's order. The bookkeeping under the mutex (events set
// through Set and not yet taken, waiters, nudges) serves WaitUntilIdle; an event set by a
// device directly is not in it, and nothing paces a device-driven group.
#include "platform/EventGroupBook.h"
#include "platform/Threads.h"
#include "platform/win32/Win32Api.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <vector>

namespace Platform
{

// m_bSet holds the events set through Set and not yet taken; one set by a device directly is
// only in its kernel event.
struct CEventGroup::State : CEventGroupBook
{
    using CEventGroupBook::CEventGroupBook;

    void ClearNudgeLocked()
    {
        m_bNudged = false;
        ::ResetEvent(m_hNudge);
    }

    std::vector<HANDLE> m_hEvents;
    HANDLE m_hClosed = nullptr;
    HANDLE m_hNudge = nullptr;
};

CEventGroup::CEventGroup(int nEvents) : m_pState(std::make_unique<State>(nEvents))
{
    State& state = *m_pState;
    for (size_t i = 0; i < state.m_bSet.size(); ++i)
        state.m_hEvents.push_back(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    state.m_hClosed = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    state.m_hNudge = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

CEventGroup::~CEventGroup()
{
    State& state = *m_pState;
    for (HANDLE hEvent : state.m_hEvents)
    {
        if (hEvent)
            ::CloseHandle(hEvent);
    }
    if (state.m_hClosed)
        ::CloseHandle(state.m_hClosed);
    if (state.m_hNudge)
        ::CloseHandle(state.m_hNudge);
}

void CEventGroup::Set(int nIndex)
{
    State& state = *m_pState;
    std::lock_guard<std::mutex> lock(state.m_Mutex);
    if (state.m_bClosed || nIndex < 0 || static_cast<size_t>(nIndex) >= state.m_hEvents.size())
        return;
    state.m_bSet[static_cast<size_t>(nIndex)] = true;
    ::SetEvent(state.m_hEvents[static_cast<size_t>(nIndex)]);
    state.m_Changed.notify_all();
}

DWORD CEventGroup::WaitAny(DWORD dwTimeoutMs)
{
    State& state = *m_pState;
    const bool bTimed = dwTimeoutMs != kWaitInfinite;
    {
        std::lock_guard<std::mutex> lock(state.m_Mutex);
        if (state.m_bClosed)
            return kWaitFailed;
        if (bTimed && state.m_bNudged)
        {
            state.ClearNudgeLocked();
            return kWaitTimeout;
        }
        state.EnterWaitLocked(bTimed);
        if (!bTimed)
            ::ResetEvent(state.m_hNudge); // the nudge just dropped
    }

    std::vector<HANDLE> handles = state.m_hEvents;
    const DWORD dwCloseIndex = static_cast<DWORD>(handles.size());
    handles.push_back(state.m_hClosed);
    if (bTimed)
        handles.push_back(state.m_hNudge);
    const DWORD dwWait = ::WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE,
                                                  bTimed ? dwTimeoutMs : INFINITE);

    std::lock_guard<std::mutex> lock(state.m_Mutex);
    DWORD dwResult = kWaitFailed;
    if (state.m_bClosed)
        dwResult = kWaitFailed;
    else if (dwWait < WAIT_OBJECT_0 + dwCloseIndex)
    {
        dwResult = dwWait - WAIT_OBJECT_0;
        state.m_bSet[dwResult] = false;
    }
    else if (dwWait == WAIT_OBJECT_0 + dwCloseIndex + 1)
    {
        state.ClearNudgeLocked();
        dwResult = kWaitTimeout;
    }
    else if (dwWait == WAIT_TIMEOUT)
        dwResult = kWaitTimeout;
    state.LeaveWaitLocked(bTimed);
    return dwResult;
}

void CEventGroup::Close()
{
    std::lock_guard<std::mutex> lock(m_pState->m_Mutex);
    m_pState->CloseLocked();
    ::SetEvent(m_pState->m_hClosed);
}

BOOL CEventGroup::IsClosed() const
{
    return m_pState->IsClosed();
}

void CEventGroup::Nudge()
{
    std::lock_guard<std::mutex> lock(m_pState->m_Mutex);
    if (m_pState->NudgeLocked())
        ::SetEvent(m_pState->m_hNudge);
}

BOOL CEventGroup::WaitUntilIdle(DWORD dwTimeoutMs)
{
    return m_pState->WaitUntilIdle(dwTimeoutMs);
}

void* CEventGroup::GetNativeEvent(int nIndex) const
{
    const State& state = *m_pState;
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= state.m_hEvents.size())
        return nullptr;
    return state.m_hEvents[static_cast<size_t>(nIndex)];
}

namespace
{
// How long Terminate lets a worker finish by itself before it ends the thread.
constexpr DWORD kTerminateGraceMs = 1000;

DWORD WINAPI WorkerEntry(LPVOID pParameter)
{
    std::function<DWORD()>* pBody = static_cast<std::function<DWORD()>*>(pParameter);
    const DWORD dwExitCode = (*pBody)();
    delete pBody;
    return dwExitCode;
}
} // namespace

struct CWorkerThread::State
{
    HANDLE hThread = nullptr;
    DWORD dwThreadId = 0;
};

CWorkerThread::CWorkerThread() : m_pState(std::make_shared<State>()) {}

CWorkerThread::~CWorkerThread()
{
    Terminate();
}

BOOL CWorkerThread::Start(std::function<DWORD()> fnBody)
{
    if (m_pState->hThread)
        return FALSE;
    std::function<DWORD()>* pBody = new (std::nothrow) std::function<DWORD()>(std::move(fnBody));
    if (!pBody)
        return FALSE;
    m_pState->hThread = ::CreateThread(nullptr, 0, &WorkerEntry, pBody, 0, &m_pState->dwThreadId);
    if (!m_pState->hThread)
    {
        delete pBody;
        return FALSE;
    }
    return TRUE;
}

BOOL CWorkerThread::IsStarted() const
{
    return m_pState->hThread ? TRUE : FALSE;
}

BOOL CWorkerThread::WaitForExit(DWORD dwTimeoutMs)
{
    if (!m_pState->hThread)
    {
        ::Sleep(dwTimeoutMs);
        return FALSE;
    }
    return ::WaitForSingleObject(m_pState->hThread, dwTimeoutMs) == WAIT_OBJECT_0 ? TRUE : FALSE;
}

void CWorkerThread::Terminate()
{
    State& state = *m_pState;
    if (!state.hThread || state.dwThreadId == ::GetCurrentThreadId())
        return;
    if (::WaitForSingleObject(state.hThread, kTerminateGraceMs) != WAIT_OBJECT_0)
    {
        // The worker did not come back after being asked and waited for: the last resort.
        ::TerminateThread(state.hThread, 0);
        ::WaitForSingleObject(state.hThread, kTerminateGraceMs);
    }
    ::CloseHandle(state.hThread);
    state.hThread = nullptr;
    state.dwThreadId = 0;
}

void SleepRealTime(DWORD dwMilliseconds)
{
    ::Sleep(dwMilliseconds);
}

} // namespace Platform
