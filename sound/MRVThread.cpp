// MRVThread.cpp: starting, waiting for and, as a last resort, ending a worker thread.
#include "sound/MRVThread.h"

CMRVThread::CMRVThread() : m_bRunning(false), m_bKill(false) {}

CMRVThread::~CMRVThread()
{
    JoinThread();
}

BOOL CMRVThread::StartThread()
{
    // Set before the thread exists, so that the starter never overwrites the worker's own
    // clearing of it.
    // A worker that ran before has ended; its thread is released before a new one starts.
    JoinThread();
    m_bRunning = true;
    if (!m_Thread.Start([this]() { return Run(); }))
    {
        m_bRunning = false;
        return FALSE;
    }
    return TRUE;
}

BOOL CMRVThread::WaitForThreadEnd(DWORD dwTimeoutMs)
{
    if (!m_Thread.IsStarted())
        return TRUE;
    return m_Thread.WaitForExit(dwTimeoutMs);
}

void CMRVThread::KillThread()
{
    m_bKill = true;
    OnKill();
    JoinThread();
    m_bRunning = false;
}

void CMRVThread::JoinThread()
{
    m_Thread.Terminate();
}
