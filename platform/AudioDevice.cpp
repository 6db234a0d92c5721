// AudioDevice.cpp: opens the installed backend's audio device.
#include "platform/AudioDevice.h"

#include "platform/Backend.h"

namespace Platform
{

IAudioDevice* OpenAudioDevice()
{
    IAudioBackend* pAudio = CurrentBackend().pAudio;
    return pAudio ? pAudio->OpenDevice() : nullptr;
}

} // namespace Platform
