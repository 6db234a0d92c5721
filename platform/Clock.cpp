// Clock.cpp: clock selection and the real clock over std::chrono (portable).
#include "platform/Clock.h"

#include "platform/Backend.h"

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
        return static_cast<DWORD>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
};
} // namespace

IClock& RealClock()
{
    static SteadyClock s_Clock;
    return s_Clock;
}

IClock& CurrentClock()
{
    IClock* pClock = CurrentBackend().pClock;
    return pClock ? *pClock : RealClock();
}

} // namespace Platform
