// Win32Clock.cpp: timeGetTime, Sleep and GetTickCount.
#include "platform/win32/Win32Clock.h"

#include "platform/win32/Win32Api.h"

namespace Platform
{

CWin32Clock::CWin32Clock() : m_bPeriodSet(::timeBeginPeriod(1) == TIMERR_NOERROR) {}

CWin32Clock::~CWin32Clock()
{
    if (m_bPeriodSet)
        ::timeEndPeriod(1);
}

DWORD CWin32Clock::TimeGetTime()
{
    return ::timeGetTime();
}

void CWin32Clock::Sleep(DWORD dwMilliseconds)
{
    ::Sleep(dwMilliseconds);
}

DWORD CWin32Clock::GetTickCount()
{
    return ::GetTickCount();
}

} // namespace Platform
