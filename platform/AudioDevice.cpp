// AudioDevice.cpp: the installed audio backend (none until an executable or a test installs one).
#include "platform/AudioDevice.h"

#include <atomic>

namespace Platform
{

namespace
{
std::atomic<IAudioBackend*> g_pAudioBackend{nullptr};
} // namespace

IAudioBackend* SetAudioBackend(IAudioBackend* pBackend)
{
    return g_pAudioBackend.exchange(pBackend);
}

IAudioDevice* OpenAudioDevice()
{
    IAudioBackend* pBackend = g_pAudioBackend.load();
    return pBackend ? pBackend->OpenDevice() : nullptr;
}

} // namespace Platform
