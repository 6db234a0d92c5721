// MRVSoundEngine.cpp: the engine's life, its sound list and the operations on one sound.
#include "sound/MRVSoundEngine.h"

#include "file/MRVFile.h"
#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/ScreenFormat.h"
#include "sound/MRVSoundFile.h"
#include "sound/MRVStreamingSound.h"
#include "trace/DebugTrace.h"

#include <algorithm>
#include <cstring>
#include <new>

using namespace Platform;

CMRVSoundEngine* g_pSoundEngine = nullptr;

namespace
{

constexpr DWORD kStaticBufferFlags =
    AUDIO_BUFFER_STATIC | AUDIO_BUFFER_CTRLFREQUENCY | AUDIO_BUFFER_CTRLPAN | AUDIO_BUFFER_CTRLVOLUME;
// Thread shut-down: the running flag is looked at every 55 ms, for about a second.
constexpr DWORD kShutdownPollMs = 55;
constexpr DWORD kShutdownLimitMs = 1000;

const char* const kLocateError = "Error: Attempt to access sound that could not be found in the sound list, "
                                 "failure in CMRVSoundEngine::LocateSoundElement.";
const char* const kInitSoundError = "Error: Failed to init sound object in CMRVSoundEngine::InitSoundObject";

} // namespace

IAudioBuffer* CMRVSoundElement::CreateBuffer(IAudioDevice* pDevice, DWORD dwFlags, DWORD dwBytes,
                                             const WaveFormat& format) const
{
    if (m_pSoundObject->m_b3D)
        dwFlags |= AUDIO_BUFFER_CTRL3D;
    const AudioBufferDesc desc = {dwFlags, dwBytes, &format};
    return pDevice->CreateBuffer(desc);
}

void CMRVSoundElement::ReplaceBuffer(IAudioBuffer* pBuffer)
{
    if (m_pBuffer)
        m_pBuffer->Release();
    m_pBuffer = pBuffer;
}

BOOL CMRVSoundElement::FillBuffer(DWORD dwBytes, const BYTE* pData, DWORD dwDataBytes, BYTE bySilence)
{
    void* pLocked = nullptr;
    DWORD dwLocked = 0;
    if (m_pBuffer->Lock(0, dwBytes, &pLocked, &dwLocked) != AUDIO_OK)
        return FALSE;
    BYTE* pBytes = static_cast<BYTE*>(pLocked);
    const DWORD dwCopied = std::min(dwLocked, dwDataBytes);
    if (dwCopied)
        std::memcpy(pBytes, pData, dwCopied); // pData may be null when there is nothing to copy
    std::memset(pBytes + dwCopied, bySilence, dwLocked - dwCopied);
    return m_pBuffer->Unlock(pLocked, dwLocked) == AUDIO_OK ? TRUE : FALSE;
}

BOOL CreateSoundEngine()
{
    if (g_pSoundEngine)
        return FALSE;
    g_pSoundEngine = new (std::nothrow) CMRVSoundEngine();
    return TRUE;
}

void DestroySoundEngine()
{
    delete g_pSoundEngine;
    g_pSoundEngine = nullptr;
}

CMRVSoundEngine::CMRVSoundEngine()
    : m_itCursor(m_Sounds.end()), m_bReady(FALSE), m_pDirectSound(nullptr), m_pPrimaryBuffer(nullptr)
{
}

CMRVSoundEngine::~CMRVSoundEngine()
{
    FlushSounds();
    if (m_pPrimaryBuffer)
        m_pPrimaryBuffer->Release();
    if (m_pDirectSound)
        m_pDirectSound->Release();
}

BOOL CMRVSoundEngine::Init(HWND hWnd)
{
    m_pDirectSound = OpenAudioDevice();
    if (!m_pDirectSound)
    {
        DebugTrace("Unable to create Sound Manager in MRVSoundEngine\n");
        m_bReady = FALSE;
        return FALSE;
    }
    m_bReady = TRUE;
    if (m_pDirectSound->SetCooperativeLevel(hWnd) != AUDIO_OK)
    {
        DebugTrace("Unable to create Sound Manager in MRVSoundEngine");
        return FALSE;
    }
    m_pPrimaryBuffer = m_pDirectSound->CreatePrimaryBuffer();
    if (!m_pPrimaryBuffer)
    {
        DebugTrace("Unable to create Listener surface in CMRVSoundEngine");
        return FALSE;
    }
    const WaveFormat output = {
        kWaveFormatPcm, 1, Platform::kAudioOutputRate, Platform::kAudioOutputRate * 2, 2, 16, 0};
    m_pPrimaryBuffer->SetFormat(output);
    return TRUE;
}

CMRVSoundObject* CMRVSoundEngine::AddElement(BOOL bStreaming)
{
    CMRVSoundElement* pElement = new CMRVSoundElement{new CMRVSoundObject(), nullptr, nullptr};
    if (bStreaming)
        pElement->m_pStreamingSound = new CMRVStreamingSound();
    m_Sounds.push_back(pElement);
    m_itCursor = m_Sounds.end();
    return pElement->m_pSoundObject;
}

CMRVSoundObject* CMRVSoundEngine::AddSoundObject()
{
    return AddElement(FALSE);
}

CMRVSoundObject* CMRVSoundEngine::AddStreamingSoundObject()
{
    return AddElement(TRUE);
}

CMRVSoundElement* CMRVSoundEngine::LocateSoundElement(CMRVSoundObject* pSoundObject, BOOL bTrace)
{
    for (m_itCursor = m_Sounds.begin(); m_itCursor != m_Sounds.end(); ++m_itCursor)
    {
        if ((*m_itCursor)->m_pSoundObject == pSoundObject)
            return *m_itCursor;
    }
    if (bTrace)
        DebugTrace("%s", kLocateError);
    return nullptr;
}

BOOL CMRVSoundEngine::IsStreamingThreadRunning(const CMRVSoundObject* pSoundObject) const
{
    for (const CMRVSoundElement* pElement : m_Sounds)
    {
        if (pElement->m_pSoundObject == pSoundObject)
            return pElement->m_pStreamingSound ? pElement->m_pStreamingSound->IsRunning() : FALSE;
    }
    return FALSE;
}

CMRVSoundElement* CMRVSoundEngine::ReadyElement(CMRVSoundObject* pSoundObject)
{
    return m_bReady ? LocateSoundElement(pSoundObject) : nullptr;
}

BOOL CMRVSoundEngine::InitSoundObject(CMRVSoundObject* pSoundObject)
{
    CMRVSoundElement* pElement = ReadyElement(pSoundObject);
    if (!pElement)
        return FALSE;

    // A missing or unreadable file leaves this sound silent instead of ending the game.
    MRVWholeSound sound;
    BOOL bRead = FALSE;
    try
    {
        CMRVFile file;
        file.Open(pSoundObject->m_strFileName, 0);
        bRead = ReadWholeSound(file, &sound);
        file.Close();
    }
    catch (const CMRVException&)
    {
        bRead = FALSE;
    }
    catch (const std::bad_alloc&)
    {
        bRead = FALSE;
    }
    if (!bRead)
    {
        DebugTrace("%s", kInitSoundError);
        return FALSE;
    }

    IAudioBuffer* pBuffer =
        pElement->CreateBuffer(m_pDirectSound, kStaticBufferFlags, sound.dwDataLength, sound.header.format);
    if (!pBuffer)
    {
        DebugTrace("%s", kInitSoundError);
        return FALSE;
    }
    pElement->ReplaceBuffer(pBuffer);
    if (!pElement->FillBuffer(sound.dwDataLength, sound.Data(), sound.dwDataLength, 0))
    {
        DebugTrace("%s", kInitSoundError);
        return FALSE;
    }
    return TRUE;
}

BOOL CMRVSoundEngine::InitStreamingSoundObject(CMRVSoundObject* pSoundObject)
{
    if (!m_bReady)
        return FALSE;
    CMRVSoundElement* pElement = LocateSoundElement(pSoundObject);
    if (!pElement)
    {
        DebugTrace("Error: Failed to init sound object in CMRVSoundEngine::InitStreamingSoundObject");
        return FALSE;
    }
    if (!pElement->m_pStreamingSound)
    {
        DebugTrace(
            "Error: pElement->m_pStreamingSound not valid in CMRVSoundEngine::InitStreamingSoundObject");
        return FALSE;
    }
    // A worker only for a stream that was set up: one without events would have nothing to
    // wait on.
    if (!pElement->m_pStreamingSound->Init(pElement))
        return FALSE;
    return pElement->m_pStreamingSound->StartThread();
}

void CMRVSoundEngine::CheckForLostBuffers(CMRVSoundObject* pSoundObject)
{
    CMRVSoundElement* pElement = LocateSoundElement(pSoundObject);
    if (!pElement || !pElement->m_pBuffer)
        return;
    DWORD dwStatus = 0;
    if (pElement->m_pBuffer->GetStatus(&dwStatus) != AUDIO_OK)
        dwStatus = 0;
    if (!(dwStatus & AUDIO_STATUS_BUFFERLOST))
        return;
    DebugTrace("Error: DSBSTATUS_BUFFERLOST in CMRVSoundEngine::CheckForLostBuffers");
    if (pElement->m_pBuffer->Restore() != AUDIO_OK)
        return;
    // A static buffer is filled again from its file. A streaming buffer stays where it is:
    // its worker refills each half as the cursor leaves it, so the stream goes on.
    if (!pElement->m_pStreamingSound)
        InitSoundObject(pSoundObject);
}

CMRVSoundElement* CMRVSoundEngine::StopElement(CMRVSoundObject* pSoundObject)
{
    CMRVSoundElement* pElement = ReadyElement(pSoundObject);
    if (!pElement)
        return nullptr;
    CheckForLostBuffers(pSoundObject);
    if (pElement->m_pBuffer)
        pElement->m_pBuffer->Stop();
    return pElement;
}

BOOL CMRVSoundEngine::PlaySound(CMRVSoundObject* pSoundObject, BOOL bLoop)
{
    CMRVSoundElement* pElement = StopElement(pSoundObject);
    if (!pElement)
        return FALSE;
    if (pElement->m_pBuffer)
    {
        pElement->m_pBuffer->Play(bLoop ? AUDIO_PLAY_LOOPING : 0);
        if (Platform::IGameObserver* pObserver = Platform::CurrentBackend().pObserver)
            pObserver->OnSoundPlay(pSoundObject->m_strFileName, bLoop ? TRUE : FALSE);
    }
    return TRUE;
}

BOOL CMRVSoundEngine::IsSoundPlaying(CMRVSoundObject* pSoundObject)
{
    CMRVSoundElement* pElement = ReadyElement(pSoundObject);
    if (!pElement || !pElement->m_pBuffer)
        return FALSE;
    DWORD dwStatus = 0;
    if (pElement->m_pBuffer->GetStatus(&dwStatus) != AUDIO_OK)
        return FALSE;
    return (dwStatus & AUDIO_STATUS_PLAYING) ? TRUE : FALSE;
}

BOOL CMRVSoundEngine::StopSound(CMRVSoundObject* pSoundObject)
{
    CMRVSoundElement* pElement = StopElement(pSoundObject);
    if (!pElement)
        return FALSE;
    if (pElement->m_pBuffer)
    {
        if (Platform::IGameObserver* pObserver = Platform::CurrentBackend().pObserver)
            pObserver->OnSoundStop(pSoundObject->m_strFileName);
    }
    return TRUE;
}

void CMRVSoundEngine::ShutdownStreamingThread(CMRVStreamingSound* pStreamingSound, const char* pszWarning,
                                              BOOL bStartBeforeSignal)
{
    DWORD dwStart = bStartBeforeSignal ? Platform::GetTickCount() : 0;
    pStreamingSound->Signal(CMRVStreamingSound::kEventStop);
    if (!bStartBeforeSignal)
        dwStart = Platform::GetTickCount();
    // Each poll waits up to 55 ms of real time and ends early when the worker does. The time
    // waited is also counted in polls, so that a game clock that stands still while the main
    // thread waits (the headless one) still ends the wait.
    DWORD dwPolled = 0;
    while (pStreamingSound->IsRunning())
    {
        if (pStreamingSound->WaitForThreadEnd(kShutdownPollMs))
            continue;
        dwPolled += kShutdownPollMs;
        const DWORD dwElapsed = std::max<DWORD>(Platform::GetTickCount() - dwStart, dwPolled);
        if (dwElapsed > kShutdownLimitMs)
        {
            DebugTrace("%s", pszWarning);
            break;
        }
    }
    if (pStreamingSound->IsRunning())
        pStreamingSound->KillThread();
}

void CMRVSoundEngine::DestroyElement(CMRVSoundElement* pElement)
{
    delete pElement->m_pStreamingSound;
    delete pElement->m_pSoundObject;
    delete pElement;
}

void CMRVSoundEngine::RemoveSoundObject(CMRVSoundObject* pSoundObject)
{
    CMRVSoundElement* pElement = LocateSoundElement(pSoundObject, FALSE);
    if (!pElement)
        return;
    if (pElement->m_pStreamingSound)
    {
        if (pElement->m_pStreamingSound->IsRunning())
            ShutdownStreamingThread(
                pElement->m_pStreamingSound,
                "Warning, unable to shutdown streaming thread in CMRVSoundEngine::RemoveSoundObject", FALSE);
        delete pElement->m_pStreamingSound;
        pElement->m_pStreamingSound = nullptr;
    }
    pElement->ReplaceBuffer(nullptr);
    m_itCursor = m_Sounds.erase(m_itCursor);
    DestroyElement(pElement);
}

void CMRVSoundEngine::FlushSounds()
{
    for (m_itCursor = m_Sounds.begin(); m_itCursor != m_Sounds.end(); ++m_itCursor)
    {
        CMRVStreamingSound* pStreamingSound = (*m_itCursor)->m_pStreamingSound;
        if (pStreamingSound && pStreamingSound->IsRunning())
            ShutdownStreamingThread(
                pStreamingSound,
                "Warning, unable to shutdown streaming thread in CMRVSoundEngine::FlushSounds", TRUE);
    }
    for (m_itCursor = m_Sounds.begin(); m_itCursor != m_Sounds.end(); ++m_itCursor)
    {
        CMRVSoundElement* pElement = *m_itCursor;
        if (pElement->m_pBuffer)
            pElement->m_pBuffer->Stop();
        pElement->ReplaceBuffer(nullptr);
        DestroyElement(pElement);
    }
    m_Sounds.clear();
    m_itCursor = m_Sounds.end();
}
