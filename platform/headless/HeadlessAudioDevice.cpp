// HeadlessAudioDevice.cpp: the virtual device, paced by the virtual clock and the workers.
#include "platform/headless/HeadlessAudioDevice.h"

#include "platform/ByteOrder.h"
#include "platform/mixer/SoftwareMixer.h"

#include <algorithm>

namespace Platform
{

namespace
{
// Frames mixed between two looks at the workers (about 11.6 ms).
constexpr size_t kStepFrames = 256;
// A worker that does not come back within this much real time is not waited for any longer.
constexpr DWORD kWorkerWaitMs = 2000;
} // namespace

class CHeadlessAudioDevice : public IAudioDevice
{
public:
    explicit CHeadlessAudioDevice(CHeadlessAudio& owner) : m_Owner(owner) {}

    AudioResult SetCooperativeLevel(HWND hWnd) override { return hWnd ? AUDIO_OK : AUDIO_FAILED; }
    IAudioPrimaryBuffer* CreatePrimaryBuffer() override { return m_Mixer.CreatePrimaryBuffer(); }
    IAudioBuffer* CreateBuffer(const AudioBufferDesc& desc) override { return m_Mixer.CreateBuffer(desc); }
    void Release() override
    {
        m_Owner.OnDeviceReleased();
        delete this;
    }

    CSoftwareMixer m_Mixer;

private:
    CHeadlessAudio& m_Owner;
};

CHeadlessAudio::CHeadlessAudio(CVirtualClock& clock)
    : m_Clock(clock), m_pDevice(nullptr), m_bOpenFails(FALSE), m_bKeepInMemory(FALSE),
      m_pCaptureFile(nullptr), m_dwLastTime(0), m_qwElapsedMs(0), m_qwFramesMixed(0)
{
}

CHeadlessAudio::~CHeadlessAudio()
{
    m_Clock.SetAdvanceHook(nullptr);
    if (m_pCaptureFile)
        std::fclose(m_pCaptureFile);
}

BOOL CHeadlessAudio::SetCaptureFile(const std::string& strPath)
{
    if (m_pCaptureFile)
        std::fclose(m_pCaptureFile);
    m_pCaptureFile = std::fopen(strPath.c_str(), "wb");
    return m_pCaptureFile ? TRUE : FALSE;
}

IAudioDevice* CHeadlessAudio::OpenDevice()
{
    if (m_bOpenFails || m_pDevice)
        return nullptr;
    m_pDevice = new CHeadlessAudioDevice(*this);
    m_dwLastTime = m_Clock.TimeGetTime();
    m_qwElapsedMs = 0;
    m_qwFramesMixed = 0;
    m_Clock.SetAdvanceHook([this](DWORD dwNow) { OnClockAdvanced(dwNow); });
    return m_pDevice;
}

void CHeadlessAudio::OnDeviceReleased()
{
    m_Clock.SetAdvanceHook(nullptr);
    m_pDevice = nullptr;
    if (m_pCaptureFile)
        std::fflush(m_pCaptureFile);
}

void CHeadlessAudio::LoseAllBuffers()
{
    if (m_pDevice)
        m_pDevice->m_Mixer.LoseAllBuffers();
}

void CHeadlessAudio::OnClockAdvanced(DWORD dwNow)
{
    if (!m_pDevice)
        return;
    m_qwElapsedMs += static_cast<DWORD>(dwNow - m_dwLastTime);
    m_dwLastTime = dwNow;
    const uint64_t qwDue = m_qwElapsedMs * CSoftwareMixer::kOutputRate / 1000;
    while (m_qwFramesMixed < qwDue)
        m_qwFramesMixed +=
            MixStep(static_cast<size_t>(std::min<uint64_t>(kStepFrames, qwDue - m_qwFramesMixed)));
}

// Mixes up to nFrames, ending at a notification, then waits for the workers.
size_t CHeadlessAudio::MixStep(size_t nFrames)
{
    int16_t frames[kStepFrames];
    nFrames = m_pDevice->m_Mixer.MixUntilNotification(frames, nFrames);
    Capture(frames, nFrames);

    std::vector<std::shared_ptr<CEventGroup>> groups;
    m_pDevice->m_Mixer.TakeMixedEventGroups(groups);
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    for (const std::shared_ptr<CEventGroup>& pGroup : groups)
    {
        pGroup->Nudge();
        pGroup->WaitUntilIdle(kWorkerWaitMs);
    }
    return nFrames;
}

void CHeadlessAudio::Capture(const int16_t* pFrames, size_t nFrames)
{
    if (m_bKeepInMemory)
        m_Captured.insert(m_Captured.end(), pFrames, pFrames + nFrames);
    if (!m_pCaptureFile)
        return;
    for (size_t n = 0; n < nFrames; ++n)
    {
        uint8_t bytes[2];
        Platform::WriteLE16(bytes, static_cast<uint16_t>(pFrames[n]));
        std::fwrite(bytes, 1, 2, m_pCaptureFile);
    }
}

} // namespace Platform
