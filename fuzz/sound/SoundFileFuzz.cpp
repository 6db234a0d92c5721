// SoundFileFuzz.cpp: arbitrary bytes as a sound file, through both readers and into the mixer
// with whatever format the header claims (including position notifications and looping).
#include "platform/AudioDevice.h"
#include "platform/mixer/SoftwareMixer.h"
#include "sound/MRVSoundFile.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace
{

// Plays the sound's samples in the format its header gives, as a static or a looping buffer.
void MixAsBuffer(const MRVSoundHeader& header, const BYTE* pData, DWORD dwLength, BYTE bControl)
{
    CSoftwareMixer mixer;
    const Platform::AudioBufferDesc desc = {Platform::AUDIO_BUFFER_CTRLPOSITIONNOTIFY, dwLength,
                                            &header.format};
    Platform::IAudioBuffer* pBuffer = mixer.CreateBuffer(desc);
    if (!pBuffer)
        return;
    void* pLocked = nullptr;
    DWORD dwLocked = 0;
    if (pBuffer->Lock(0, dwLength, &pLocked, &dwLocked) == Platform::AUDIO_OK)
    {
        std::memcpy(pLocked, pData, dwLocked);
        pBuffer->Unlock(pLocked, dwLocked);
    }
    auto pEvents = std::make_shared<Platform::CEventGroup>(3);
    const Platform::AudioNotifyPosition positions[2] = {{0, pEvents, 1}, {dwLength / 2, pEvents, 0}};
    pBuffer->SetNotificationPositions(2, positions);
    pBuffer->Play((bControl & 1) ? Platform::AUDIO_PLAY_LOOPING : 0);
    int16_t out[1024];
    mixer.Mix(out, 1024);
    size_t nFrames = 0;
    for (int i = 0; i < 4; ++i)
        nFrames += mixer.MixUntilNotification(out, 1024);
    DWORD dwCursor = 0;
    pBuffer->GetCurrentPosition(&dwCursor);
    if (dwCursor >= dwLength || nFrames == 0)
        __builtin_trap();
    while (pEvents->WaitAny(0) != Platform::kWaitTimeout)
    {
    }
    pBuffer->Release();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pBytes, size_t nBytes)
{
    MRVSoundHeader header;
    DWORD dwLength = 0;
    if (!ParseWholeSound(pBytes, nBytes, &header, &dwLength))
        return 0;
    if (dwLength > nBytes - kSoundHeaderSize)
        __builtin_trap(); // the whole-sound reader must stay inside the file
    // The streamed reader plays everything after the header, whatever the data length says.
    const DWORD dwStreamed = static_cast<DWORD>(nBytes - kSoundHeaderSize);
    const BYTE bControl = pBytes[0];
    if (dwLength > 0)
        MixAsBuffer(header, pBytes + kSoundHeaderSize, dwLength, bControl);
    if (dwStreamed > 0 && dwStreamed != dwLength)
        MixAsBuffer(header, pBytes + kSoundHeaderSize, dwStreamed, static_cast<BYTE>(bControl ^ 1));
    return 0;
}
