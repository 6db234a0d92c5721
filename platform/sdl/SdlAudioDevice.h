// SdlAudioDevice.h: the audio device on SDL2.
//
// Opens the default output at 22,050 Hz, mono, signed 16-bit (SDL converts to whatever the
// hardware wants) with a short buffer, and runs the software mixer in SDL's audio callback.
// When SDL has no audio device the backend opens nothing and the game runs silent. The
// player's volume, when one is given, scales the mixer's output.
#pragma once

#include "platform/AudioDevice.h"

class COutputVolume;

namespace Platform
{

class CSdlAudio : public IAudioBackend
{
public:
    // Frames per callback: about 23 ms of output at 22,050 Hz.
    static constexpr DWORD kCallbackFrames = 512;

    CSdlAudio() = default;
    CSdlAudio(const CSdlAudio&) = delete;
    CSdlAudio& operator=(const CSdlAudio&) = delete;

    IAudioDevice* OpenDevice() override;

    // The player's volume, applied to the output of every device opened from now on (null:
    // none). It must outlive those devices.
    void SetOutputVolume(const COutputVolume* pVolume) { m_pVolume = pVolume; }

    // Frames per callback of the device opened last (0 before one was opened): with the
    // output rate, the device's latency.
    DWORD GetOpenedBufferFrames() const { return m_dwOpenedFrames; }

private:
    DWORD m_dwOpenedFrames = 0;
    const COutputVolume* m_pVolume = nullptr;
};

} // namespace Platform
