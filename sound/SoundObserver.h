// SoundObserver.h: an optional listener to what the sound engine plays, for the headless
// runner's journal and for tests.
//
// OnSoundPlay and OnSoundStop are called on the main thread from PlaySound and StopSound for
// a sound that has a buffer; OnSoundEnd is called on the sound's streaming worker when a
// streamed sound has played its file to the end (before the worker lets go of its events, so
// that a paced headless device sees it before it mixes on). Implementations must be
// thread-safe and must not call back into the engine.
#pragma once

#include "platform/WinTypes.h"

#include <string>

class ISoundObserver
{
public:
    virtual ~ISoundObserver() = default;
    virtual void OnSoundPlay(const std::string& strFileName, BOOL bLoop) = 0;
    virtual void OnSoundStop(const std::string& strFileName) = 0;
    virtual void OnSoundEnd(const std::string& strFileName) = 0;
};

// Installs pObserver (null: none) and returns the one installed before.
ISoundObserver* SetSoundObserver(ISoundObserver* pObserver);
ISoundObserver* CurrentSoundObserver();
