// HeadlessClock.h: a virtual game clock that moves only when told to.
//
// Time starts at a chosen value and changes only through Advance/AdvanceTo (the runner, the
// headless window while the game waits for messages) and Sleep (the game itself). Both game
// clock and tick count read the same virtual time, so a run is the same on every machine.
#pragma once

#include "platform/Clock.h"

#include <atomic>
#include <functional>
#include <mutex>

namespace Platform
{

class CVirtualClock : public IClock
{
public:
    explicit CVirtualClock(DWORD dwStart = 0) : m_dwNow(dwStart) {}

    DWORD TimeGetTime() override { return m_dwNow.load(); }
    void Sleep(DWORD dwMilliseconds) override { Advance(dwMilliseconds); }
    DWORD GetTickCount() override { return m_dwNow.load(); }

    void Advance(DWORD dwMilliseconds)
    {
        m_dwNow.fetch_add(dwMilliseconds);
        RunAdvanceHook();
    }
    // Moves forward to dwTime; a time already passed leaves the clock where it is.
    void AdvanceTo(DWORD dwTime);

    // Called on the advancing thread after every move of the clock, with the new time (the
    // headless audio device mixes up to it there); an empty function removes the hook.
    void SetAdvanceHook(std::function<void(DWORD)> fnHook);

private:
    void RunAdvanceHook();

    std::atomic<DWORD> m_dwNow;
    std::mutex m_HookMutex;
    std::function<void(DWORD)> m_fnAdvanceHook;
};

} // namespace Platform
