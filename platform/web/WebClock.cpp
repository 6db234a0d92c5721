// WebClock.cpp: performance.now as the game clock; sleeps that yield to the browser.
#include "platform/web/WebClock.h"

#include "platform/Threads.h"

#include <emscripten.h>
#include <emscripten/threading.h>

#include <cstdint>

namespace Platform
{

DWORD CWebClock::TimeGetTime()
{
    return static_cast<DWORD>(static_cast<uint64_t>(emscripten_get_now()));
}

void CWebClock::Sleep(DWORD dwMilliseconds)
{
    if (emscripten_is_main_runtime_thread())
        emscripten_sleep(dwMilliseconds);
    else
        SleepRealTime(dwMilliseconds);
}

DWORD CWebClock::GetTickCount()
{
    return TimeGetTime();
}

} // namespace Platform
