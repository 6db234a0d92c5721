// SoftwareMixer.h: the portable mixer behind every audio device backend.
//
// Owns the secondary buffers of one device and mixes every playing buffer into 22,050 Hz mono
// 16-bit output through one pull entry point, Mix. Buffers keep their own PCM format (8 or
// 16 bit, mono or stereo, 100 to 200,000 Hz): stereo is averaged to mono, other rates are
// converted by linear interpolation when raising the rate and by averaging the covered source
// frames when lowering it. The sum saturates. Each buffer's play cursor advances with its own
// rate; a one-shot buffer stops at its end (its position back at 0), a looping one wraps, and
// position notifications set their events as the cursor reaches them. Every call is
// serialised on one mutex, so the backend's audio thread, the main thread and the streaming
// workers may use it at once. The player's volume (OutputVolume.h), when one is attached, scales
// the finished output. Depends only on the platform's audio and thread interfaces.
#pragma once

#include "platform/AudioDevice.h"
#include "platform/ScreenFormat.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class COutputVolume;

class CSoftwareMixer
{
public:
    static constexpr DWORD kOutputRate = Platform::kAudioOutputRate;

    CSoftwareMixer();
    // Frees buffers that were never released.
    ~CSoftwareMixer();
    CSoftwareMixer(const CSoftwareMixer&) = delete;
    CSoftwareMixer& operator=(const CSoftwareMixer&) = delete;

    // Null when the description cannot be played (not PCM, unsupported channels, bits or rate,
    // a block alignment that does not match them, or less than one sample frame).
    Platform::IAudioBuffer* CreateBuffer(const Platform::AudioBufferDesc& desc);
    // The device's output record: it accepts only the mixer's own output format.
    Platform::IAudioPrimaryBuffer* CreatePrimaryBuffer();

    // Writes nFrames of output (silence when nothing plays).
    void Mix(int16_t* pOut, size_t nFrames);
    // The same, but ends just after the first output frame that sets a notification event;
    // returns the number of frames written (at least 1 when nFrames is not 0).
    size_t MixUntilNotification(int16_t* pOut, size_t nFrames);

    // Appends the notification event groups of every buffer mixed since the last call, so that
    // a pacing driver can wait for their consumers.
    void TakeMixedEventGroups(std::vector<std::shared_ptr<Platform::CEventGroup>>& groups);

    // The player's volume, applied to the output after the sum (null, as at the start: the
    // output as mixed). The control must outlive the mixer or be detached first.
    void SetOutputVolume(const COutputVolume* pVolume);

    // Marks every buffer lost, as a device does when its memory is taken away.
    void LoseAllBuffers();
    size_t GetBufferCount() const;

private:
    class CVoice;

    void RemoveVoice(CVoice* pVoice);
    void MixLocked(int16_t* pOut, size_t nFrames);

    mutable std::mutex m_Mutex;
    std::vector<CVoice*> m_Voices;
    std::vector<int32_t> m_Sum;
    const COutputVolume* m_pVolume = nullptr;
};
