// DirectSoundAudio.h: the audio device service over DirectSound.
//
// OpenDevice makes the DirectSound object of the default device (null when there is none:
// the game then runs silent). The device's cooperative level is exclusive; its primary buffer
// is made with 3-D control and its 3-D listener is obtained (and only held). Secondary
// buffers are DirectSound buffers with the same flags; their position notifications set the
// kernel events of the given event groups directly (IDirectSoundNotify). Lost buffers are
// reported by GetStatus and Lock and restored with Restore. DirectSound mixes; nothing of
// ours runs between it and the buffers.
#pragma once

#include "platform/AudioDevice.h"

namespace Platform
{

class CDirectSoundAudio : public IAudioBackend
{
public:
    IAudioDevice* OpenDevice() override;
};

} // namespace Platform
