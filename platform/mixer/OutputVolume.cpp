// OutputVolume.cpp: the level's squared curve and the fixed-point scaling of the output.
#include "platform/mixer/OutputVolume.h"

#include <algorithm>
#include <cstring>

void COutputVolume::SetLevel(int nLevel)
{
    m_nLevel.store(std::min(kMaxLevel, std::max(0, nLevel)));
}

void COutputVolume::StepLevel(int nSteps)
{
    // Steps land on whole tens, also from a level set in between (55 up one step is 60).
    const int nLevel = m_nLevel.load();
    const int nBase = nSteps > 0 ? nLevel - nLevel % kStep : nLevel + (kStep - nLevel % kStep) % kStep;
    SetLevel(nBase + nSteps * kStep);
}

DWORD COutputVolume::GetGain() const
{
    if (m_bMuted.load() || m_bFocusMuted.load())
        return 0;
    const DWORD dwLevel = static_cast<DWORD>(m_nLevel.load());
    return kUnityGain * dwLevel * dwLevel / (kMaxLevel * kMaxLevel);
}

void COutputVolume::Apply(int16_t* pSamples, size_t nCount) const
{
    const DWORD dwGain = GetGain();
    if (dwGain == kUnityGain)
        return;
    if (dwGain == 0)
    {
        std::memset(pSamples, 0, nCount * sizeof(int16_t));
        return;
    }
    for (size_t n = 0; n < nCount; ++n)
        pSamples[n] = static_cast<int16_t>((int64_t(pSamples[n]) * dwGain + kUnityGain / 2) >> 16);
}
