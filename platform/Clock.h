// Clock.h: the game clock service.
//
// Contract: TimeGetTime is the game clock in milliseconds (it wraps at 32 bits, so callers
// compare with unsigned subtraction); Sleep suspends the calling thread for about ms
// milliseconds; GetTickCount is a real millisecond count used only to time thread shut-down.
// The real clock serves unless the installed backend bundle names another; the headless
// backend's virtual clock moves only when the runner advances it or the game sleeps.
#pragma once

#include "platform/WinTypes.h"

namespace Platform
{

class IClock
{
public:
    virtual ~IClock() = default;
    virtual DWORD TimeGetTime() = 0;
    virtual void Sleep(DWORD dwMilliseconds) = 0;
    virtual DWORD GetTickCount() = 0;
};

// The operating system's clock (steady, milliseconds since an arbitrary start).
IClock& RealClock();

// The installed backend's clock, or the real one.
IClock& CurrentClock();

inline DWORD TimeGetTime()
{
    return CurrentClock().TimeGetTime();
}
inline void Sleep(DWORD dwMilliseconds)
{
    CurrentClock().Sleep(dwMilliseconds);
}
inline DWORD GetTickCount()
{
    return CurrentClock().GetTickCount();
}

} // namespace Platform
