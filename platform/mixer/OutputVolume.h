// OutputVolume.h: the player's volume and mute, applied to the mixer's finished output.
//
// The game's own sound calls never see it: it scales what the mixer has already summed, just
// before the samples leave for the device. The level runs from 0 to 100 in steps of 10 on a
// squared curve (50 is a quarter of the amplitude, about -12 dB), which follows loudness as the
// ear hears it better than a straight line. Muting keeps the level. A second, separate mute
// serves "silent while the window has not got the focus", so that the two never undo each
// other. At level 100 and unmuted the output passes bit for bit unchanged. Every call is
// lock-free and may come from any thread (keys on the main thread, mixing on the audio thread).
#pragma once

#include "platform/WinTypes.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

class COutputVolume
{
public:
    static constexpr int kMaxLevel = 100;
    static constexpr int kStep = 10;
    // The gain at full level, in 1/65536.
    static constexpr DWORD kUnityGain = 65536;

    // Clamped to 0..100.
    void SetLevel(int nLevel);
    int GetLevel() const { return m_nLevel.load(); }
    // Moves the level nSteps steps of 10 up (or down for a negative count), within 0..100.
    void StepLevel(int nSteps);

    void SetMuted(BOOL bMuted) { m_bMuted.store(bMuted != FALSE); }
    BOOL IsMuted() const { return m_bMuted.load() ? TRUE : FALSE; }
    void SetFocusMuted(BOOL bMuted) { m_bFocusMuted.store(bMuted != FALSE); }

    // The gain now applied, in 1/65536: kUnityGain at level 100, 0 when muted or at level 0.
    DWORD GetGain() const;
    // Scales nCount samples in place by the gain, rounding to the nearest value.
    void Apply(int16_t* pSamples, size_t nCount) const;

private:
    std::atomic<int> m_nLevel{kMaxLevel};
    std::atomic<bool> m_bMuted{false};
    std::atomic<bool> m_bFocusMuted{false};
};
