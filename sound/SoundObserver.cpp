// SoundObserver.cpp: the installed sound observer (none by default).
#include "sound/SoundObserver.h"

#include <atomic>

namespace
{
std::atomic<ISoundObserver*> g_pSoundObserver{nullptr};
} // namespace

ISoundObserver* SetSoundObserver(ISoundObserver* pObserver)
{
    return g_pSoundObserver.exchange(pObserver);
}

ISoundObserver* CurrentSoundObserver()
{
    return g_pSoundObserver.load();
}
