// GameObserver.h: what the game tells whoever runs it, for a journal or a test.
//
// Scene changes and sound play/stop come on the main thread; the end of a streamed sound comes
// on that sound's streaming worker, before the worker lets go of its events (so a paced
// headless audio device sees it before it mixes on). Implementations must be thread-safe and
// must not call back into the engine. Nobody listens unless a backend bundle names an observer.
#pragma once

#include "platform/WinTypes.h"

#include <string>

namespace Platform
{

class IGameObserver
{
public:
    virtual ~IGameObserver() = default;
    // A scene became current: its state in the director's table and its class name.
    virtual void OnSceneChange(int nState, const char* pszClassName) = 0;
    virtual void OnSoundPlay(const std::string& strFileName, BOOL bLoop) = 0;
    virtual void OnSoundStop(const std::string& strFileName) = 0;
    // A streamed sound has played its file to the end.
    virtual void OnSoundEnd(const std::string& strFileName) = 0;
};

} // namespace Platform
