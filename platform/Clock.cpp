// Clock.cpp: clock selection and the real clock over std::chrono (portable).
#include "platform/Clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace Platform
{

namespace
{
class SteadyClock : public IClock
{
public:
    DWORD TimeGetTime() override { return Now(); }
    void Sleep(DWORD dwMilliseconds) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
    }
    DWORD GetTickCount() override { return Now(); }

private:
    static DWORD Now()
    {
        using namespace std::chrono;
        return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
};

std::atomic<IClock*> g_pClock{nullptr};
} // namespace

IClock& RealClock()
{
    static SteadyClock s_Clock;
    return s_Clock;
}

IClock* SetClock(IClock* pClock)
{
    IClock* pPrevious = g_pClock.exchange(pClock);
    return pPrevious ? pPrevious : &RealClock();
}

IClock& CurrentClock()
{
    IClock* pClock = g_pClock.load();
    return pClock ? *pClock : RealClock();
}

} // namespace Platform
