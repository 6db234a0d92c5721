// HeadlessAudioDevice.h: the virtual audio device of the tests and the runner.
//
// The software mixer runs as the virtual clock advances: after every move of the clock the
// device mixes the output frames that are due (22,050 per virtual second, counted from the
// moment it was opened) in small steps, each ending where a notification is set. After each
// step it waits, in real time, until the worker of every streaming buffer it mixed has taken
// its notifications and is waiting again (a worker polling for the end of its stream is
// nudged to look once more), so the device never runs ahead of the streaming workers however
// fast virtual time goes, and a run is the same every time. The output can be kept in memory
// and written to a raw file (16-bit little-endian mono at 22,050 Hz). Failure injection: a
// device that cannot be opened, and every buffer lost.
#pragma once

#include "platform/AudioDevice.h"
#include "platform/headless/HeadlessClock.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CSoftwareMixer;

namespace Platform
{

class CHeadlessAudioDevice;

class CHeadlessAudio : public IAudioBackend
{
public:
    explicit CHeadlessAudio(CVirtualClock& clock);
    ~CHeadlessAudio() override;
    CHeadlessAudio(const CHeadlessAudio&) = delete;
    CHeadlessAudio& operator=(const CHeadlessAudio&) = delete;

    // --audio fail: OpenDevice finds no device.
    void SetOpenFails(BOOL bFails) { m_bOpenFails = bFails; }
    // --audio-out: appends the output to the file; FALSE when it cannot be created.
    BOOL SetCaptureFile(const std::string& strPath);
    // Keeps the output in memory (tests).
    void SetCaptureInMemory(BOOL bKeep) { m_bKeepInMemory = bKeep; }
    const std::vector<int16_t>& GetCaptured() const { return m_Captured; }
    void LoseAllBuffers();
    BOOL IsDeviceOpen() const { return m_pDevice != nullptr; }

    IAudioDevice* OpenDevice() override;

private:
    friend class CHeadlessAudioDevice;

    void OnClockAdvanced(DWORD dwNow);
    size_t MixStep(size_t nFrames);
    void Capture(const int16_t* pFrames, size_t nFrames);
    void OnDeviceReleased();

    CVirtualClock& m_Clock;
    CHeadlessAudioDevice* m_pDevice;
    BOOL m_bOpenFails;
    BOOL m_bKeepInMemory;
    std::FILE* m_pCaptureFile;
    std::vector<int16_t> m_Captured;
    DWORD m_dwLastTime;
    uint64_t m_qwElapsedMs;
    uint64_t m_qwFramesMixed;
};

} // namespace Platform
