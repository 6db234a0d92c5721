// HeadlessClock.cpp: forward-only moves of the virtual clock (wrap-safe).
#include "platform/headless/HeadlessClock.h"

namespace Platform
{

void CVirtualClock::AdvanceTo(DWORD dwTime)
{
    DWORD dwNow = m_dwNow.load();
    while (static_cast<LONG>(dwTime - dwNow) > 0 && !m_dwNow.compare_exchange_weak(dwNow, dwTime))
    {
    }
    RunAdvanceHook();
}

void CVirtualClock::SetAdvanceHook(std::function<void(DWORD)> fnHook)
{
    std::lock_guard<std::mutex> lock(m_HookMutex);
    m_fnAdvanceHook = std::move(fnHook);
}

void CVirtualClock::RunAdvanceHook()
{
    std::function<void(DWORD)> fnHook;
    {
        std::lock_guard<std::mutex> lock(m_HookMutex);
        fnHook = m_fnAdvanceHook;
    }
    if (fnHook)
        fnHook(m_dwNow.load());
}

} // namespace Platform
