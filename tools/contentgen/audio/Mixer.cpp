// Mixing, fades and level measurements.
#include "Mixer.h"

#include "Delay.h"
#include "Reverb.h"

#include <algorithm>
#include <cmath>

namespace AudioGen
{
void MixInto(Samples& dest, const Samples& src, size_t nOffset, float fGain)
{
    if (src.empty())
        return;
    if (dest.size() < nOffset + src.size())
        dest.resize(nOffset + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i)
        dest[nOffset + i] += src[i] * fGain;
}

void FadeIn(Samples& samples, double dSeconds)
{
    const size_t nLength = std::min(SecondsToFrames(dSeconds), samples.size());
    for (size_t i = 0; i < nLength; ++i)
        samples[i] *= static_cast<float>(i) / static_cast<float>(nLength);
}

void FadeOut(Samples& samples, double dSeconds)
{
    const size_t nLength = std::min(SecondsToFrames(dSeconds), samples.size());
    const size_t nStart = samples.size() - nLength;
    for (size_t i = 0; i < nLength; ++i)
    {
        // Counts down to 0 on the final sample.
        const float fGain =
            nLength > 1 ? static_cast<float>(nLength - 1 - i) / static_cast<float>(nLength - 1) : 0.0f;
        samples[nStart + i] *= fGain;
    }
}

void AppendSilence(Samples& samples, double dSeconds)
{
    samples.resize(samples.size() + SecondsToFrames(dSeconds), 0.0f);
}

void AddSpace(Samples& samples, float fReverbLevel, float fRoomSize, float fEchoLevel, double dEchoSeconds,
              double dTailSeconds)
{
    AppendSilence(samples, dTailSeconds);
    CReverb reverb(fRoomSize, 0.5f);
    CFeedbackDelay echo(dEchoSeconds, 0.35f, 3500.0);
    for (float& fSample : samples)
    {
        const float fDry = fSample;
        fSample = fDry + reverb.Process(fDry) * fReverbLevel + echo.Process(fDry) * fEchoLevel;
    }
}

float PeakOf(const Samples& samples)
{
    float fPeak = 0.0f;
    for (float fSample : samples)
        fPeak = std::max(fPeak, std::fabs(fSample));
    return fPeak;
}

float RmsOf(const Samples& samples, size_t nBegin, size_t nEnd)
{
    nEnd = std::min(nEnd, samples.size());
    if (nBegin >= nEnd)
        return 0.0f;
    double dSum = 0.0;
    for (size_t i = nBegin; i < nEnd; ++i)
        dSum += static_cast<double>(samples[i]) * samples[i];
    return static_cast<float>(std::sqrt(dSum / static_cast<double>(nEnd - nBegin)));
}

float ActiveRmsOf(const Samples& samples)
{
    const size_t nWindow = SecondsToFrames(0.05);
    const float fGate = DbToGain(-45.0f);
    double dSum = 0.0;
    size_t nCount = 0;
    for (size_t nBegin = 0; nBegin + nWindow <= samples.size(); nBegin += nWindow)
    {
        const float fRms = RmsOf(samples, nBegin, nBegin + nWindow);
        if (fRms < fGate)
            continue;
        dSum += static_cast<double>(fRms) * fRms;
        ++nCount;
    }
    return nCount == 0 ? 0.0f : static_cast<float>(std::sqrt(dSum / static_cast<double>(nCount)));
}
} // namespace AudioGen
