// Backend.h: the services one backend provides, installed for the whole engine at once.
//
// An executable or a test fills a Backend with its services and installs it with a
// CScopedBackend for as long as the engine runs; the previous bundle comes back when the scope
// ends. Every member may be null:
//   pWindow          window and messages (null: posting fails, cursor calls do nothing)
//   pDisplay         the display the shell draws through (the shell needs one)
//   pSingleInstance  the single-instance lock (the shell needs one)
//   pAudio           opens the audio device (null: no device, the game runs silent)
//   pClock           the game clock (null: the real clock)
//   pTraceSink       where DebugTrace goes (null: standard error)
//   pObserver        scene and sound events for a journal (null: nobody listens)
// What each service must do is written in its own header and, for a new backend's author, in
// platform/README.md. Install a bundle before any engine thread starts and keep it until every
// one has ended: the engine reads the installed services without locking.
#pragma once

#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/GameObserver.h"
#include "platform/SingleInstance.h"
#include "platform/WindowService.h"
#include "trace/TraceSink.h"

namespace Platform
{

struct Backend
{
    IWindowService* pWindow = nullptr;
    IDisplay* pDisplay = nullptr;
    ISingleInstance* pSingleInstance = nullptr;
    IAudioBackend* pAudio = nullptr;
    IClock* pClock = nullptr;
    Trace::ITraceSink* pTraceSink = nullptr;
    IGameObserver* pObserver = nullptr;
};

// A bundle of a backend that has a window, a display and a lock; the other services are
// optional and stay null when not given.
Backend MakeBackend(IWindowService& window, IDisplay& display, ISingleInstance& lock,
                    IAudioBackend* pAudio = nullptr, IClock* pClock = nullptr,
                    Trace::ITraceSink* pTraceSink = nullptr, IGameObserver* pObserver = nullptr);

// The bundle installed now (all members null when none is).
const Backend& CurrentBackend();

// Installs a bundle for the life of the object and puts the previous one back afterwards.
// Scopes nest: destroy them in the reverse order of their creation.
class CScopedBackend
{
public:
    explicit CScopedBackend(const Backend& backend);
    ~CScopedBackend();
    CScopedBackend(const CScopedBackend&) = delete;
    CScopedBackend& operator=(const CScopedBackend&) = delete;

private:
    Backend m_Backend;
    const Backend* m_pPrevious;
    Trace::ITraceSink* m_pPreviousSink;
};

} // namespace Platform
