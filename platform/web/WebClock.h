// WebClock.h: the game clock in a browser page.
//
// The clock is the page's high-resolution timer (performance.now) in whole milliseconds. On
// the page's main thread Sleep gives the thread back to the browser for the time asked (the
// program's stack is saved and restored around it), so that the page keeps painting and
// delivering input while the game waits; on a worker thread it is an ordinary sleep.
#pragma once

#include "platform/Clock.h"

namespace Platform
{

class CWebClock : public IClock
{
public:
    DWORD TimeGetTime() override;
    void Sleep(DWORD dwMilliseconds) override;
    DWORD GetTickCount() override;
};

} // namespace Platform
