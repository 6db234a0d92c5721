// SoftwareMixer.cpp: buffers, format conversion, cursors, notifications and the saturating sum.
#include "platform/mixer/SoftwareMixer.h"

#include "platform/ByteOrder.h"
#include "platform/mixer/OutputVolume.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

using namespace Platform;

namespace
{

constexpr DWORD kMinRate = 100;
constexpr DWORD kMaxRate = 200000;
constexpr int kFractionBits = 32;
constexpr uint64_t kOne = uint64_t(1) << kFractionBits;

BOOL IsPlayableFormat(const WaveFormat& format)
{
    if (format.wFormatTag != kWaveFormatPcm)
        return FALSE;
    if (format.nChannels != 1 && format.nChannels != 2)
        return FALSE;
    if (format.wBitsPerSample != 8 && format.wBitsPerSample != 16)
        return FALSE;
    if (format.nSamplesPerSec < kMinRate || format.nSamplesPerSec > kMaxRate)
        return FALSE;
    return format.nBlockAlign == format.nChannels * (format.wBitsPerSample / 8) ? TRUE : FALSE;
}

int16_t ClampSample(int32_t nValue)
{
    return static_cast<int16_t>(std::min<int32_t>(32767, std::max<int32_t>(-32768, nValue)));
}

} // namespace

// One secondary buffer: its samples, its cursor in source frames (32.32 fixed point) and its
// notifications. Every member is guarded by the mixer's mutex except the sample bytes, which
// the owner writes between Lock and Unlock in regions the cursor is not reading.
class CSoftwareMixer::CVoice : public IAudioBuffer
{
public:
    CVoice(CSoftwareMixer& mixer, const AudioBufferDesc& desc)
        : m_Mixer(mixer), m_Format(*desc.pFormat), m_dwFlags(desc.dwFlags),
          m_Data(desc.dwBufferBytes, SilenceByte()),
          m_qwFrames(desc.dwBufferBytes / desc.pFormat->nBlockAlign), m_qwPosition(0),
          m_qwStep((uint64_t(desc.pFormat->nSamplesPerSec) << kFractionBits) / kOutputRate),
          m_bPlaying(false), m_bLooping(false), m_bLost(false), m_bMixed(false)
    {
    }

    AudioResult Lock(DWORD dwOffset, DWORD dwBytes, void** ppData, DWORD* pdwLocked) override
    {
        std::lock_guard<std::mutex> lock(m_Mixer.m_Mutex);
        if (m_bLost)
            return AUDIO_BUFFERLOST;
        if (!ppData || !pdwLocked || dwOffset >= m_Data.size() || dwBytes == 0)
            return AUDIO_FAILED;
        *ppData = m_Data.data() + dwOffset;
        *pdwLocked = std::min<DWORD>(dwBytes, static_cast<DWORD>(m_Data.size()) - dwOffset);
        return AUDIO_OK;
    }

    AudioResult Unlock(void* pData, DWORD dwBytes) override
    {
        // Taking the mutex publishes the written bytes to the mixing thread.
        std::lock_guard<std::mutex> lock(m_Mixer.m_Mutex);
        const BYTE* pBytes = static_cast<const BYTE*>(pData);
        if (!pBytes || pBytes < m_Data.data() || pBytes + dwBytes > m_Data.data() + m_Data.size())
            return AUDIO_FAILED;
        return AUDIO_OK;
    }

    AudioResult Play(DWORD dwFlags) override
    {
        std::lock_guard<std::mutex> lock(m_Mixer.m_Mutex);
        if (m_bLost)
            return AUDIO_BUFFERLOST;
        m_bPlaying = true;
        m_bLooping = (dwFlags & AUDIO_PLAY_LOOPING) != 0;
        return AUDIO_OK;
    }

    AudioResult Stop() override
    {
        std::lock_guard<std::mutex> lock(m_Mixer.m_Mutex);
        m_bPlaying = false;
        return AUDIO_OK;
    }

    AudioResult GetStatus(DWORD* pdwStatus) override
    {
        if (!pdwStatus)
            return AUDIO_FAILED;
        std::lock_guard<std::mutex> lock(m_Mixer.m_Mutex);
        DWORD dwStatus = 0;
        if (m_bPlaying)
            dwStatus |= AUDIO_STATUS_PLAYING | (m_bLooping ? AUDIO_STATUS_LOOPING : 0);
        if (m_bLost)
            dwStatus |= AUDIO_STATUS_BUFFERLOST;
        *pdwStatus = dwStatus;
        return AUDIO_OK;
    }

    AudioResult GetCurrentPosition(DWORD* pdwPlayCursor) override
    {
        if (!pdwPlayCursor)
            return AUDIO_FAILED;
        std::lock_guard<std::mutex> lock(m_Mixer.m_Mutex);
        *pdwPlayCursor = static_cast<DWORD>((m_qwPosition >> kFractionBits) * m_Format.nBlockAlign);
        return AUDIO_OK;
    }

    AudioResult SetNotificationPositions(DWORD dwCount, const AudioNotifyPosition* pPositions) override
    {
        std::lock_guard<std::mutex> lock(m_Mixer.m_Mutex);
        if (!(m_dwFlags & AUDIO_BUFFER_CTRLPOSITIONNOTIFY) || (dwCount > 0 && !pPositions))
            return AUDIO_FAILED;
        std::vector<Notification> notifications;
        for (DWORD i = 0; i < dwCount; ++i)
        {
            if (pPositions[i].dwOffset >= m_Data.size() || !pPositions[i].pEvents)
                return AUDIO_FAILED;
            notifications.push_back(
                {pPositions[i].dwOffset / m_Format.nBlockAlign, pPositions[i].pEvents, pPositions[i].nEvent});
        }
        m_Notifications.swap(notifications);
        return AUDIO_OK;
    }

    AudioResult Restore() override
    {
        std::lock_guard<std::mutex> lock(m_Mixer.m_Mutex);
        if (m_bLost)
            std::fill(m_Data.begin(), m_Data.end(), SilenceByte());
        m_bLost = false;
        return AUDIO_OK;
    }

    void Release() override { m_Mixer.RemoveVoice(this); }

    // The rest runs with the mixer's mutex held.

    void MarkLost()
    {
        m_bLost = true;
        m_bPlaying = false;
    }

    void TakeEventGroups(std::vector<std::shared_ptr<CEventGroup>>& groups)
    {
        if (m_bMixed)
        {
            for (const Notification& notification : m_Notifications)
                groups.push_back(notification.pEvents);
        }
        m_bMixed = false;
    }

    // Output frames until the cursor passes its next notification, counting the frame that
    // passes it (SIZE_MAX when that is far away or there is none). A notification at the
    // cursor's own frame is passed by the very next output frame.
    size_t FramesToNextNotification() const
    {
        if (!m_bPlaying || m_Notifications.empty())
            return SIZE_MAX;
        const uint64_t qwFrame = m_qwPosition >> kFractionBits;
        uint64_t qwNearest = UINT64_MAX;
        for (const Notification& notification : m_Notifications)
        {
            const uint64_t qwAhead = notification.qwFrame >= qwFrame
                                         ? notification.qwFrame - qwFrame
                                         : notification.qwFrame + m_qwFrames - qwFrame;
            qwNearest = std::min(qwNearest, qwAhead);
        }
        if (qwNearest >= (uint64_t(1) << 30))
            return SIZE_MAX;
        const uint64_t qwDistance = ((qwNearest + 1) << kFractionBits) - (m_qwPosition & (kOne - 1));
        return static_cast<size_t>((qwDistance + m_qwStep - 1) / m_qwStep);
    }

    // Adds up to nFrames of this buffer into pSum; stops early when a one-shot buffer ends.
    void MixInto(int32_t* pSum, size_t nFrames)
    {
        if (!m_bPlaying || m_qwFrames == 0)
            return;
        m_bMixed = true;
        for (size_t n = 0; n < nFrames && m_bPlaying; ++n)
        {
            pSum[n] += m_qwStep <= kOne ? Interpolated() : Averaged();
            Advance();
        }
    }

private:
    struct Notification
    {
        uint64_t qwFrame;
        std::shared_ptr<CEventGroup> pEvents;
        int nEvent;
    };

    BYTE SilenceByte() const { return m_Format.wBitsPerSample == 8 ? 0x80 : 0x00; }

    // Frame i as one mono 16-bit value.
    int32_t FrameValue(uint64_t qwFrame) const
    {
        const BYTE* p = m_Data.data() + qwFrame * m_Format.nBlockAlign;
        if (m_Format.wBitsPerSample == 8)
        {
            int32_t nLeft = (int32_t(p[0]) - 128) * 256;
            return m_Format.nChannels == 1 ? nLeft : (nLeft + (int32_t(p[1]) - 128) * 256) / 2;
        }
        int32_t nLeft = int16_t(Platform::ReadLE16(p));
        return m_Format.nChannels == 1 ? nLeft : (nLeft + int16_t(Platform::ReadLE16(p + 2))) / 2;
    }

    // The frame after i as the cursor will meet it: wrapped when looping, held at the end of
    // a one-shot buffer.
    uint64_t NextFrame(uint64_t qwFrame) const
    {
        if (qwFrame + 1 < m_qwFrames)
            return qwFrame + 1;
        return m_bLooping ? 0 : qwFrame;
    }

    // Raising the rate (or keeping it): the straight line between the two frames around the
    // cursor. At the source's own rate the fraction stays 0 and frames pass through unchanged.
    int32_t Interpolated() const
    {
        const uint64_t qwFrame = m_qwPosition >> kFractionBits;
        const int64_t nFraction = static_cast<int64_t>(m_qwPosition & (kOne - 1));
        const int32_t nA = FrameValue(qwFrame);
        if (nFraction == 0)
            return nA;
        const int32_t nB = FrameValue(NextFrame(qwFrame));
        return nA + static_cast<int32_t>((int64_t(nB - nA) * nFraction) >> kFractionBits);
    }

    // Lowering the rate: the mean of the source frames this output frame covers, a box filter
    // that keeps most of the aliasing out.
    int32_t Averaged() const
    {
        const uint64_t qwFirst = m_qwPosition >> kFractionBits;
        const uint64_t qwEnd = (m_qwPosition + m_qwStep) >> kFractionBits;
        int64_t nTotal = 0;
        int64_t nCount = 0;
        for (uint64_t i = qwFirst; i < qwEnd; ++i)
        {
            if (i >= m_qwFrames && !m_bLooping)
                break;
            nTotal += FrameValue(i % m_qwFrames);
            ++nCount;
        }
        return nCount ? static_cast<int32_t>(nTotal / nCount) : 0;
    }

    // Moves the cursor one output frame on, firing the notifications of the source frames it
    // passed, and wrapping or ending at the buffer's end. A notification fires when the cursor
    // passes its frame, as a hardware mixer's does: the one at the starting position fires as
    // soon as play begins there, not only when the cursor comes round to it again.
    void Advance()
    {
        const uint64_t qwFrom = m_qwPosition >> kFractionBits;
        m_qwPosition += m_qwStep;
        const uint64_t qwTo = m_qwPosition >> kFractionBits;
        if (qwTo == qwFrom)
            return;
        for (const Notification& notification : m_Notifications)
        {
            const uint64_t qwAt = notification.qwFrame;
            if ((qwAt >= qwFrom && qwAt < qwTo) || (qwAt + m_qwFrames >= qwFrom && qwAt + m_qwFrames < qwTo))
                notification.pEvents->Set(notification.nEvent);
        }
        if (qwTo < m_qwFrames)
            return;
        if (m_bLooping)
        {
            m_qwPosition %= (m_qwFrames << kFractionBits);
            return;
        }
        m_bPlaying = false;
        m_qwPosition = 0;
    }

    CSoftwareMixer& m_Mixer;
    const WaveFormat m_Format;
    const DWORD m_dwFlags;
    std::vector<BYTE> m_Data;
    const uint64_t m_qwFrames;
    uint64_t m_qwPosition;
    const uint64_t m_qwStep;
    bool m_bPlaying;
    bool m_bLooping;
    bool m_bLost;
    bool m_bMixed;
    std::vector<Notification> m_Notifications;
};

CSoftwareMixer::CSoftwareMixer() = default;

CSoftwareMixer::~CSoftwareMixer()
{
    for (CVoice* pVoice : m_Voices)
        delete pVoice;
}

IAudioBuffer* CSoftwareMixer::CreateBuffer(const AudioBufferDesc& desc)
{
    if (!desc.pFormat || !IsPlayableFormat(*desc.pFormat) || desc.dwBufferBytes < desc.pFormat->nBlockAlign)
        return nullptr;
    CVoice* pVoice = nullptr;
    try
    {
        pVoice = new CVoice(*this, desc);
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Voices.push_back(pVoice);
    }
    catch (const std::bad_alloc&)
    {
        delete pVoice;
        return nullptr;
    }
    return pVoice;
}

namespace
{

class CMixerPrimaryBuffer : public IAudioPrimaryBuffer
{
public:
    AudioResult SetFormat(const WaveFormat& format) override
    {
        const bool bOutputFormat = format.wFormatTag == kWaveFormatPcm && format.nChannels == 1 &&
                                   format.nSamplesPerSec == CSoftwareMixer::kOutputRate &&
                                   format.wBitsPerSample == 16;
        return bOutputFormat ? AUDIO_OK : AUDIO_FAILED;
    }
    void Release() override { delete this; }
};

} // namespace

IAudioPrimaryBuffer* CSoftwareMixer::CreatePrimaryBuffer()
{
    return new (std::nothrow) CMixerPrimaryBuffer();
}

void CSoftwareMixer::RemoveVoice(CVoice* pVoice)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Voices.erase(std::remove(m_Voices.begin(), m_Voices.end(), pVoice), m_Voices.end());
    }
    delete pVoice;
}

void CSoftwareMixer::Mix(int16_t* pOut, size_t nFrames)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    MixLocked(pOut, nFrames);
}

size_t CSoftwareMixer::MixUntilNotification(int16_t* pOut, size_t nFrames)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    for (CVoice* pVoice : m_Voices)
        nFrames = std::min(nFrames, pVoice->FramesToNextNotification());
    MixLocked(pOut, nFrames);
    return nFrames;
}

void CSoftwareMixer::MixLocked(int16_t* pOut, size_t nFrames)
{
    m_Sum.assign(nFrames, 0);
    for (CVoice* pVoice : m_Voices)
        pVoice->MixInto(m_Sum.data(), nFrames);
    for (size_t n = 0; n < nFrames; ++n)
        pOut[n] = ClampSample(m_Sum[n]);
    if (m_pVolume)
        m_pVolume->Apply(pOut, nFrames);
}

void CSoftwareMixer::SetOutputVolume(const COutputVolume* pVolume)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_pVolume = pVolume;
}

void CSoftwareMixer::TakeMixedEventGroups(std::vector<std::shared_ptr<CEventGroup>>& groups)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    for (CVoice* pVoice : m_Voices)
        pVoice->TakeEventGroups(groups);
}

void CSoftwareMixer::LoseAllBuffers()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    for (CVoice* pVoice : m_Voices)
        pVoice->MarkLost();
}

size_t CSoftwareMixer::GetBufferCount() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Voices.size();
}
