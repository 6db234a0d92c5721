// MRVThread.h: the base of an object that owns one worker thread.
//
// The running flag is set just before the worker starts and cleared by the worker as its last
// act, on every way out; both threads read it, so it is atomic. Signal is the only way into a
// running worker; KillThread is the last resort when a worker does not end after being asked.
#pragma once

#include "platform/Threads.h"
#include "platform/WinTypes.h"

#include <atomic>

class CMRVThread
{
public:
    CMRVThread();
    virtual ~CMRVThread();
    CMRVThread(const CMRVThread&) = delete;
    CMRVThread& operator=(const CMRVThread&) = delete;

    virtual void Signal(int nEvent) = 0;
    // The worker's body; returns the thread's exit code.
    virtual DWORD Run() { return 0; }

    // Sets the running flag and starts Run on a new thread; FALSE (flag clear) when no thread
    // could be made.
    BOOL StartThread();
    BOOL IsRunning() const { return m_bRunning.load() ? TRUE : FALSE; }
    // TRUE once the worker has ended; waits up to dwTimeoutMs of real time for it.
    BOOL WaitForThreadEnd(DWORD dwTimeoutMs);
    // Asks the worker to abandon whatever it waits for, then waits for it to end.
    void KillThread();

protected:
    // Called by KillThread before it waits: a derived class wakes its worker here.
    virtual void OnKill() {}
    // Waits for a worker that has ended (or is ending) and releases the thread; derived
    // destructors call it before they take their members down.
    void JoinThread();
    BOOL IsKillRequested() const { return m_bKill.load() ? TRUE : FALSE; }

    std::atomic<bool> m_bRunning;

private:
    std::atomic<bool> m_bKill;
    Platform::CWorkerThread m_Thread;
};
