// DirectSoundAudio.cpp: the DirectSound object, its primary buffer and the sound buffers.
#include "platform/win32/DirectSoundAudio.h"

#include "platform/win32/Win32Api.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace Platform
{

static_assert(AUDIO_BUFFER_STATIC == DSBCAPS_STATIC && AUDIO_BUFFER_CTRL3D == DSBCAPS_CTRL3D &&
                  AUDIO_BUFFER_CTRLFREQUENCY == DSBCAPS_CTRLFREQUENCY &&
                  AUDIO_BUFFER_CTRLPAN == DSBCAPS_CTRLPAN && AUDIO_BUFFER_CTRLVOLUME == DSBCAPS_CTRLVOLUME &&
                  AUDIO_BUFFER_CTRLPOSITIONNOTIFY == DSBCAPS_CTRLPOSITIONNOTIFY &&
                  AUDIO_BUFFER_GETCURRENTPOSITION2 == DSBCAPS_GETCURRENTPOSITION2,
              "the audio buffer flags are DirectSound's");
static_assert(AUDIO_STATUS_PLAYING == DSBSTATUS_PLAYING && AUDIO_STATUS_BUFFERLOST == DSBSTATUS_BUFFERLOST &&
                  AUDIO_STATUS_LOOPING == DSBSTATUS_LOOPING,
              "the audio status bits are DirectSound's");

namespace
{

AudioResult ToResult(HRESULT hResult)
{
    if (SUCCEEDED(hResult))
        return AUDIO_OK;
    return hResult == DSERR_BUFFERLOST ? AUDIO_BUFFERLOST : AUDIO_FAILED;
}

WAVEFORMATEX ToWaveFormat(const WaveFormat& format)
{
    WAVEFORMATEX wave = {};
    wave.wFormatTag = format.wFormatTag;
    wave.nChannels = format.nChannels;
    wave.nSamplesPerSec = format.nSamplesPerSec;
    wave.nAvgBytesPerSec = format.nAvgBytesPerSec;
    wave.nBlockAlign = format.nBlockAlign;
    wave.wBitsPerSample = format.wBitsPerSample;
    wave.cbSize = 0; // PCM carries no extra bytes, whatever the file says
    return wave;
}

class CDirectSoundBuffer : public IAudioBuffer
{
public:
    CDirectSoundBuffer(IDirectSoundBuffer* pBuffer, DWORD dwBytes) : m_pBuffer(pBuffer), m_dwBytes(dwBytes) {}

    AudioResult Lock(DWORD dwOffset, DWORD dwBytes, void** ppData, DWORD* pdwLocked) override
    {
        if (!ppData || !pdwLocked || dwOffset >= m_dwBytes || dwBytes == 0)
            return AUDIO_FAILED;
        // One region only, clipped to the buffer's end.
        const DWORD dwWanted = std::min(dwBytes, m_dwBytes - dwOffset);
        return ToResult(m_pBuffer->Lock(dwOffset, dwWanted, ppData, pdwLocked, nullptr, nullptr, 0));
    }

    AudioResult Unlock(void* pData, DWORD dwBytes) override
    {
        return ToResult(m_pBuffer->Unlock(pData, dwBytes, nullptr, 0));
    }

    AudioResult Play(DWORD dwFlags) override
    {
        return ToResult(m_pBuffer->Play(0, 0, (dwFlags & AUDIO_PLAY_LOOPING) ? DSBPLAY_LOOPING : 0));
    }

    AudioResult Stop() override { return ToResult(m_pBuffer->Stop()); }

    AudioResult GetStatus(DWORD* pdwStatus) override
    {
        if (!pdwStatus)
            return AUDIO_FAILED;
        return ToResult(m_pBuffer->GetStatus(pdwStatus));
    }

    AudioResult GetCurrentPosition(DWORD* pdwPlayCursor) override
    {
        if (!pdwPlayCursor)
            return AUDIO_FAILED;
        DWORD dwWriteCursor = 0;
        return ToResult(m_pBuffer->GetCurrentPosition(pdwPlayCursor, &dwWriteCursor));
    }

    AudioResult SetNotificationPositions(DWORD dwCount, const AudioNotifyPosition* pPositions) override
    {
        if (dwCount > 0 && !pPositions)
            return AUDIO_FAILED;
        std::vector<DSBPOSITIONNOTIFY> positions;
        std::vector<std::shared_ptr<CEventGroup>> groups;
        for (DWORD i = 0; i < dwCount; ++i)
        {
            HANDLE hEvent =
                pPositions[i].pEvents ? pPositions[i].pEvents->GetNativeEvent(pPositions[i].nEvent) : nullptr;
            if (!hEvent || pPositions[i].dwOffset >= m_dwBytes)
                return AUDIO_FAILED;
            positions.push_back(DSBPOSITIONNOTIFY{pPositions[i].dwOffset, hEvent});
            groups.push_back(pPositions[i].pEvents);
        }
        if (!m_pNotify &&
            FAILED(m_pBuffer->QueryInterface(IID_IDirectSoundNotify, reinterpret_cast<void**>(&m_pNotify))))
        {
            m_pNotify = nullptr;
            return AUDIO_FAILED;
        }
        const HRESULT hResult = m_pNotify->SetNotificationPositions(dwCount, positions.data());
        if (FAILED(hResult))
            return ToResult(hResult);
        // DirectSound sets the events from now on: their groups must outlive the buffer.
        m_Groups.swap(groups);
        return AUDIO_OK;
    }

    AudioResult Restore() override { return ToResult(m_pBuffer->Restore()); }

    void Release() override
    {
        if (m_pNotify)
            m_pNotify->Release();
        m_pBuffer->Release();
        delete this;
    }

private:
    IDirectSoundBuffer* m_pBuffer;
    const DWORD m_dwBytes;
    IDirectSoundNotify* m_pNotify = nullptr;
    std::vector<std::shared_ptr<CEventGroup>> m_Groups;
};

// The device's output buffer, and the 3-D listener taken from it (held, never used).
class CDirectSoundPrimaryBuffer : public IAudioPrimaryBuffer
{
public:
    CDirectSoundPrimaryBuffer(IDirectSoundBuffer* pBuffer, IDirectSound3DListener* pListener)
        : m_pBuffer(pBuffer), m_pListener(pListener)
    {
    }

    AudioResult SetFormat(const WaveFormat& format) override
    {
        const WAVEFORMATEX wave = ToWaveFormat(format);
        return ToResult(m_pBuffer->SetFormat(&wave));
    }

    void Release() override
    {
        if (m_pListener)
            m_pListener->Release();
        m_pBuffer->Release();
        delete this;
    }

private:
    IDirectSoundBuffer* m_pBuffer;
    IDirectSound3DListener* m_pListener;
};

class CDirectSoundDevice : public IAudioDevice
{
public:
    explicit CDirectSoundDevice(IDirectSound* pDirectSound) : m_pDirectSound(pDirectSound) {}

    AudioResult SetCooperativeLevel(HWND hWnd) override
    {
        const HRESULT hResult = m_pDirectSound->SetCooperativeLevel(hWnd, DSSCL_EXCLUSIVE);
        if (FAILED(hResult))
            return ToResult(hResult);
        // Tidy the device's memory and ask for a stereo speaker set-up; neither result matters.
        m_pDirectSound->Compact();
        m_pDirectSound->SetSpeakerConfig(DSSPEAKER_STEREO);
        return AUDIO_OK;
    }

    IAudioPrimaryBuffer* CreatePrimaryBuffer() override
    {
        DSBUFFERDESC desc = {};
        desc.dwSize = sizeof(desc);
        desc.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D;
        IDirectSoundBuffer* pBuffer = nullptr;
        if (FAILED(m_pDirectSound->CreateSoundBuffer(&desc, &pBuffer, nullptr)))
            return nullptr;
        IDirectSound3DListener* pListener = nullptr;
        if (FAILED(pBuffer->QueryInterface(IID_IDirectSound3DListener, reinterpret_cast<void**>(&pListener))))
            pListener = nullptr;
        return new CDirectSoundPrimaryBuffer(pBuffer, pListener);
    }

    IAudioBuffer* CreateBuffer(const AudioBufferDesc& desc) override
    {
        if (!desc.pFormat || desc.dwBufferBytes == 0)
            return nullptr;
        WAVEFORMATEX wave = ToWaveFormat(*desc.pFormat);
        DSBUFFERDESC bufferDesc = {};
        bufferDesc.dwSize = sizeof(bufferDesc);
        bufferDesc.dwFlags = desc.dwFlags;
        bufferDesc.dwBufferBytes = desc.dwBufferBytes;
        bufferDesc.lpwfxFormat = &wave;
        IDirectSoundBuffer* pBuffer = nullptr;
        if (FAILED(m_pDirectSound->CreateSoundBuffer(&bufferDesc, &pBuffer, nullptr)))
            return nullptr;
        return new CDirectSoundBuffer(pBuffer, desc.dwBufferBytes);
    }

    void Release() override
    {
        m_pDirectSound->Release();
        delete this;
    }

private:
    IDirectSound* m_pDirectSound;
};

} // namespace

IAudioDevice* CDirectSoundAudio::OpenDevice()
{
    IDirectSound* pDirectSound = nullptr;
    if (FAILED(::DirectSoundCreate(nullptr, &pDirectSound, nullptr)))
        return nullptr;
    return new CDirectSoundDevice(pDirectSound);
}

} // namespace Platform
