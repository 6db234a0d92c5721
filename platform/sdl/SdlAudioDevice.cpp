// SdlAudioDevice.cpp: an SDL audio device whose callback pulls from the software mixer.
#include "platform/sdl/SdlAudioDevice.h"

#include "platform/mixer/SoftwareMixer.h"

#include <SDL.h>

#include <cstdint>

namespace Platform
{

namespace
{

class CSdlAudioDevice : public IAudioDevice
{
public:
    // FALSE when SDL has no audio or the device cannot be opened.
    BOOL Open(const COutputVolume* pVolume, DWORD* pdwFrames)
    {
        m_Mixer.SetOutputVolume(pVolume);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return FALSE;
        m_bSubsystem = TRUE;
        SDL_AudioSpec want = {};
        want.freq = static_cast<int>(CSoftwareMixer::kOutputRate);
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = static_cast<Uint16>(CSdlAudio::kCallbackFrames);
        want.callback = &CSdlAudioDevice::Callback;
        want.userdata = this;
        SDL_AudioSpec have = {};
        m_Device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (m_Device == 0)
            return FALSE;
        *pdwFrames = have.samples;
        SDL_PauseAudioDevice(m_Device, 0);
        return TRUE;
    }

    ~CSdlAudioDevice() override
    {
        if (m_Device != 0)
            SDL_CloseAudioDevice(m_Device);
        if (m_bSubsystem)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    AudioResult SetCooperativeLevel(HWND hWnd) override { return hWnd ? AUDIO_OK : AUDIO_FAILED; }
    IAudioPrimaryBuffer* CreatePrimaryBuffer() override { return m_Mixer.CreatePrimaryBuffer(); }
    IAudioBuffer* CreateBuffer(const AudioBufferDesc& desc) override { return m_Mixer.CreateBuffer(desc); }
    void Release() override { delete this; }

private:
    static void SDLCALL Callback(void* pUserData, Uint8* pStream, int nBytes)
    {
        CSdlAudioDevice* pDevice = static_cast<CSdlAudioDevice*>(pUserData);
        pDevice->m_Mixer.Mix(reinterpret_cast<int16_t*>(pStream),
                             static_cast<size_t>(nBytes) / sizeof(int16_t));
    }

    CSoftwareMixer m_Mixer;
    SDL_AudioDeviceID m_Device = 0;
    BOOL m_bSubsystem = FALSE;
};

} // namespace

IAudioDevice* CSdlAudio::OpenDevice()
{
    CSdlAudioDevice* pDevice = new CSdlAudioDevice();
    DWORD dwFrames = 0;
    if (!pDevice->Open(m_pVolume, &dwFrames))
    {
        delete pDevice;
        return nullptr;
    }
    m_dwOpenedFrames = dwFrames;
    return pDevice;
}

} // namespace Platform
