// Win32Clock.h: the game clock on Windows: the multimedia timer, Sleep and GetTickCount.
#pragma once

#include "platform/Clock.h"

namespace Platform
{

class CWin32Clock : public IClock
{
public:
    // Asks for the timer's 1-ms resolution for the life of the object: without it Windows
    // rounds every short sleep and wait of the main loop up to its default tick of 15.6 ms.
    CWin32Clock();
    ~CWin32Clock() override;
    CWin32Clock(const CWin32Clock&) = delete;
    CWin32Clock& operator=(const CWin32Clock&) = delete;

    DWORD TimeGetTime() override;
    void Sleep(DWORD dwMilliseconds) override;
    DWORD GetTickCount() override;

private:
    BOOL m_bPeriodSet;
};

} // namespace Platform
