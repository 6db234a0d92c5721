// MRVStreamingSound.cpp: set-up, the worker's refills and its end-of-stream handling.
#include "sound/MRVStreamingSound.h"

#include "platform/Backend.h"
#include "sound/MRVSoundEngine.h"
#include "sound/MRVSoundFile.h"
#include "trace/DebugTrace.h"

#include <algorithm>
#include <cstring>

using namespace Platform;

namespace
{

constexpr DWORD kStreamBufferFlags = AUDIO_BUFFER_CTRLFREQUENCY | AUDIO_BUFFER_CTRLPAN |
                                     AUDIO_BUFFER_CTRLVOLUME | AUDIO_BUFFER_CTRLPOSITIONNOTIFY |
                                     AUDIO_BUFFER_GETCURRENTPOSITION2;
// The end-of-stream wait checks the play cursor this often (and whenever a paced device nudges).
constexpr DWORD kEndPollMs = 2;

BOOL EngineReady()
{
    return g_pSoundEngine && g_pSoundEngine->IsReady();
}

} // namespace

CMRVStreamingSound::CMRVStreamingSound()
    : m_dwPlayCursor(0), m_dwFileLength(0), m_dwEndPosition(0), m_dwEndDistance(0), m_dwFinalHalfDistance(0),
      m_nHalf(0), m_bStopped(FALSE), m_pElement(nullptr), m_Format(), m_dwHalfFill{0, 0}
{
}

CMRVStreamingSound::~CMRVStreamingSound()
{
    // The engine destroys the object only after its worker has ended; should one still wait,
    // closing the events lets it go before it is joined.
    if (m_pEvents)
        m_pEvents->Close();
    JoinThread();
    m_bRunning = false;
    m_File.ForceClose();
}

void CMRVStreamingSound::Signal(int nEvent)
{
    if (m_pEvents)
        m_pEvents->Set(nEvent);
}

void CMRVStreamingSound::OnKill()
{
    if (m_pEvents)
        m_pEvents->Close();
}

BYTE CMRVStreamingSound::SilenceByte() const
{
    return m_Format.wBitsPerSample == 8 ? 0x80 : 0x00;
}

BOOL CMRVStreamingSound::Init(CMRVSoundElement* pElement)
{
    // The buffer, events and file belong to a running worker: they cannot be set up again.
    if (IsRunning())
        return FALSE;
    m_pElement = pElement;
    m_bStopped = FALSE;
    m_dwEndPosition = 0;
    if (!EngineReady() || !pElement)
        return FALSE;
    m_strFileName = pElement->m_pSoundObject->m_strFileName;
    if (!OpenFile())
        return FALSE;

    std::vector<BYTE> data;
    if (!ReadFirstChunk(data) || !MakeBuffer(data))
    {
        ReleaseSetup();
        return FALSE;
    }
    return TRUE;
}

BOOL CMRVStreamingSound::OpenFile()
{
    try
    {
        m_File.ForceClose();
        m_File.Open(m_strFileName, 0);
    }
    catch (...)
    {
        // Scenes retry a missing file on every tick: say it once.
        if (g_pSoundEngine->IsFirstOpenFailure(m_strFileName))
            DebugTrace("Unable to open %s in CMRVStreamingSound object", m_strFileName.c_str());
        return FALSE;
    }
    return TRUE;
}

// The header, then the first chunk of samples, for the first half of the buffer. The second
// half starts silent: the device passes the notification at offset 0 as soon as play begins,
// and the worker fills the second half with the next chunk while the first one plays.
BOOL CMRVStreamingSound::ReadFirstChunk(std::vector<BYTE>& data)
{
    try
    {
        m_dwFileLength = m_File.GetLength();
        BYTE header[kSoundHeaderSize];
        MRVSoundHeader parsed;
        if (m_File.Read(header, kSoundHeaderSize) != kSoundHeaderSize ||
            !ParseSoundHeader(header, sizeof(header), &parsed))
            return FALSE;
        m_Format = parsed.format;
        data.resize(kHalfSize);
        data.resize(m_File.Read(data.data(), kHalfSize));
    }
    catch (const CMRVException&)
    {
        return FALSE;
    }
    m_dwHalfFill[1] = static_cast<DWORD>(data.size());
    m_dwHalfFill[0] = 0;
    return TRUE;
}

BOOL CMRVStreamingSound::MakeBuffer(const std::vector<BYTE>& data)
{
    IAudioBuffer* pBuffer =
        m_pElement->CreateBuffer(g_pSoundEngine->GetDevice(), kStreamBufferFlags, kBufferSize, m_Format);
    if (!pBuffer)
        return FALSE;
    m_pEvents = std::make_shared<CEventGroup>(3);
    const AudioNotifyPosition positions[2] = {{0, m_pEvents, kEventWrap},
                                              {kHalfSize, m_pEvents, kEventHalfWay}};
    if (pBuffer->SetNotificationPositions(2, positions) != AUDIO_OK)
    {
        pBuffer->Release();
        return FALSE;
    }
    m_pElement->ReplaceBuffer(pBuffer);
    return m_pElement->FillBuffer(kBufferSize, data.data(), static_cast<DWORD>(data.size()), SilenceByte());
}

// A failed set-up leaves nothing behind that could play or be signalled.
void CMRVStreamingSound::ReleaseSetup()
{
    if (m_pElement)
        m_pElement->ReplaceBuffer(nullptr);
    if (m_pEvents)
        m_pEvents->Close();
    m_pEvents.reset();
    m_File.ForceClose();
}

DWORD CMRVStreamingSound::Run()
{
    for (;;)
    {
        const DWORD dwWait = m_pEvents ? m_pEvents->WaitAny(kWaitInfinite) : kWaitFailed;
        if (dwWait == kWaitFailed)
        {
            m_bRunning = false;
            return 0;
        }
        if (dwWait == static_cast<DWORD>(kEventStop))
        {
            HandleStop();
            return 0;
        }
        if (m_bStopped)
            continue;
        // Entering the second half means the first has just been played; wrapping to the
        // start means the second has (or, when play has just begun, that it is still empty).
        if (dwWait == static_cast<DWORD>(kEventHalfWay))
            RefillHalf(1);
        else if (dwWait == static_cast<DWORD>(kEventWrap))
            RefillHalf(0);
    }
}

void CMRVStreamingSound::RefillHalf(int nHalf)
{
    IAudioBuffer* pBuffer = m_pElement ? m_pElement->m_pBuffer : nullptr;
    if (m_bStopped || !pBuffer || !EngineReady())
        return;
    m_nHalf = nHalf;
    if (pBuffer->GetCurrentPosition(&m_dwPlayCursor) != AUDIO_OK)
        m_dwPlayCursor = HalfOffset(1 - nHalf);

    void* pLocked = nullptr;
    DWORD dwLocked = 0;
    if (pBuffer->Lock(HalfOffset(nHalf), kHalfSize, &pLocked, &dwLocked) != AUDIO_OK)
        return;
    BYTE* pBytes = static_cast<BYTE*>(pLocked);
    const DWORD dwRead = ReadChunk(pBytes, dwLocked);
    m_dwHalfFill[nHalf] = dwRead;
    if (dwRead < dwLocked)
    {
        // The file is exhausted: what follows its last byte is silence, not the chunk that
        // was played from here before.
        std::memset(pBytes + dwRead, SilenceByte(), dwLocked - dwRead);
        RecordEndPosition(nHalf, dwRead);
        Signal(kEventStop);
    }
    pBuffer->Unlock(pLocked, dwLocked);
}

DWORD CMRVStreamingSound::ReadChunk(BYTE* pData, DWORD dwCount)
{
    try
    {
        const DWORD dwPosition = m_File.GetPosition();
        const DWORD dwRemaining = m_dwFileLength > dwPosition ? m_dwFileLength - dwPosition : 0;
        const DWORD dwWanted = std::min(dwCount, dwRemaining);
        return dwWanted ? m_File.Read(pData, dwWanted) : 0;
    }
    catch (const CMRVException&)
    {
        return 0;
    }
}

// The last refill wrote dwRemaining bytes at the start of half nHalf while the cursor plays
// the other half. The stream is over once the cursor reaches the byte after the last sample:
// in this half when it got any, else at the end of the other half's samples. The distance
// from the cursor to that point is kept as well, because the cursor wraps on its way, and so
// is the distance to the start of this half, where the other half has been heard for good.
void CMRVStreamingSound::RecordEndPosition(int nHalf, DWORD dwRemaining)
{
    const int nOther = 1 - nHalf;
    const DWORD dwThisStart = HalfOffset(nHalf);
    const DWORD dwCursor = m_dwPlayCursor % kBufferSize;
    const bool bCursorInThisHalf = dwCursor >= dwThisStart && dwCursor < dwThisStart + kHalfSize;
    m_dwFinalHalfDistance = bCursorInThisHalf ? 0 : (dwThisStart + kBufferSize - dwCursor) % kBufferSize;
    DWORD dwEnd = 0;
    if (dwRemaining > 0 || m_dwHalfFill[nOther] == kHalfSize)
    {
        dwEnd = dwThisStart + dwRemaining;
        if (bCursorInThisHalf) // the worker is late: the cursor is already in this half
            m_dwEndDistance = dwCursor < dwEnd ? dwEnd - dwCursor : 0;
        else
            m_dwEndDistance = (dwEnd + kBufferSize - dwCursor) % kBufferSize;
    }
    else
    {
        dwEnd = HalfOffset(nOther) + m_dwHalfFill[nOther];
        m_dwEndDistance = (!bCursorInThisHalf && dwCursor < dwEnd) ? dwEnd - dwCursor : 0;
    }
    // 0 means "nothing to wait for"; the start of the buffer is also its end.
    m_dwEndPosition = dwEnd == 0 ? kBufferSize : dwEnd;
}

void CMRVStreamingSound::HandleStop()
{
    m_bStopped = TRUE;
    const BOOL bReachedEnd = m_dwEndPosition != 0;
    IAudioBuffer* pBuffer = m_pElement ? m_pElement->m_pBuffer : nullptr;
    if (bReachedEnd && pBuffer)
        WaitForEndOfStream(pBuffer);
    if (pBuffer)
        pBuffer->Stop();
    if (bReachedEnd)
    {
        if (Platform::IGameObserver* pObserver = Platform::CurrentBackend().pObserver)
            pObserver->OnSoundEnd(m_strFileName);
    }
    m_File.ForceClose();
    // The flag goes before the events are closed: a paced device resumes the main thread on
    // the close, and the engine then finds the worker finished. Destruction waits for the
    // thread itself, so closing the events afterwards is safe.
    m_bRunning = false;
    if (m_pEvents)
        m_pEvents->Close();
}

// Lets the buffer play on until the cursor has travelled to the end position. Leaves early
// when the buffer stops or fails, when the engine asks again (stop event) or gives up on the
// worker. Sleeps between looks instead of spinning. Once the cursor is in the last half, the
// other one, heard already, is silenced: a device that stops the buffer a little late (any
// device that mixes ahead) then plays silence after the last sample, not a stale chunk.
void CMRVStreamingSound::WaitForEndOfStream(IAudioBuffer* pBuffer)
{
    // The travel is summed look by look: between two looks the cursor moves far less than the
    // buffer's length, while over the whole wait it may come all the way round.
    DWORD dwLastCursor = m_dwPlayCursor % kBufferSize;
    DWORD dwTravelled = 0;
    BOOL bOtherHalfSilenced = FALSE;
    while (m_bRunning && !IsKillRequested())
    {
        DWORD dwStatus = 0;
        if (pBuffer->GetStatus(&dwStatus) != AUDIO_OK || !(dwStatus & AUDIO_STATUS_PLAYING))
            return;
        DWORD dwCursor = 0;
        if (pBuffer->GetCurrentPosition(&dwCursor) != AUDIO_OK)
            return;
        dwTravelled += (dwCursor % kBufferSize + kBufferSize - dwLastCursor) % kBufferSize;
        dwLastCursor = dwCursor % kBufferSize;
        if (dwTravelled >= m_dwEndDistance)
            return;
        if (!bOtherHalfSilenced && dwTravelled >= m_dwFinalHalfDistance)
            bOtherHalfSilenced = SilenceHalf(pBuffer, 1 - m_nHalf);
        const DWORD dwWait = m_pEvents->WaitAny(kEndPollMs);
        if (dwWait == static_cast<DWORD>(kEventStop) || dwWait == kWaitFailed)
            return;
    }
}

BOOL CMRVStreamingSound::SilenceHalf(IAudioBuffer* pBuffer, int nHalf)
{
    void* pLocked = nullptr;
    DWORD dwLocked = 0;
    if (pBuffer->Lock(HalfOffset(nHalf), kHalfSize, &pLocked, &dwLocked) != AUDIO_OK)
        return FALSE;
    std::memset(pLocked, SilenceByte(), dwLocked);
    pBuffer->Unlock(pLocked, dwLocked);
    return TRUE;
}
