// Backend.cpp: the installed bundle of services.
#include "platform/Backend.h"

#include <atomic>

namespace Platform
{

namespace
{
const Backend g_NoBackend;
std::atomic<const Backend*> g_pBackend{&g_NoBackend};
} // namespace

Backend MakeBackend(IWindowService& window, IDisplay& display, ISingleInstance& lock, IAudioBackend* pAudio,
                    IClock* pClock, Trace::ITraceSink* pTraceSink, IGameObserver* pObserver)
{
    Backend backend;
    backend.pWindow = &window;
    backend.pDisplay = &display;
    backend.pSingleInstance = &lock;
    backend.pAudio = pAudio;
    backend.pClock = pClock;
    backend.pTraceSink = pTraceSink;
    backend.pObserver = pObserver;
    return backend;
}

const Backend& CurrentBackend()
{
    return *g_pBackend.load();
}

CScopedBackend::CScopedBackend(const Backend& backend)
    : m_Backend(backend), m_pPrevious(g_pBackend.exchange(&m_Backend)),
      m_pPreviousSink(Trace::SetTraceSink(backend.pTraceSink))
{
}

CScopedBackend::~CScopedBackend()
{
    Trace::SetTraceSink(m_pPreviousSink);
    g_pBackend.store(m_pPrevious);
}

} // namespace Platform
