// Look-ahead limiter and peak normaliser. The limiter works on the whole buffer at once: a
// gain curve is computed first (backwards for the look-ahead ramp, forwards for the release)
// and then applied, which guarantees the ceiling without any overshoot.
#include "Limiter.h"

#include "Mixer.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace AudioGen
{
void LimitPeaks(Samples& samples, float fCeiling, double dAttackSeconds, double dReleaseSeconds)
{
    if (samples.empty() || fCeiling <= 0.0f)
        return;
    const float fAttackStep = 1.0f / static_cast<float>(std::max<size_t>(1, SecondsToFrames(dAttackSeconds)));
    const float fReleaseStep =
        1.0f / static_cast<float>(std::max<size_t>(1, SecondsToFrames(dReleaseSeconds)));

    std::vector<float> vGain(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
    {
        const float fMagnitude = std::fabs(samples[i]);
        vGain[i] = fMagnitude > fCeiling ? fCeiling / fMagnitude : 1.0f;
    }
    // Backwards: the gain may rise by at most one attack step per sample going back in time,
    // so it is already on its way down when a peak arrives.
    for (size_t i = vGain.size() - 1; i-- > 0;)
        vGain[i] = std::min(vGain[i], vGain[i + 1] + fAttackStep);
    // Forwards: after a peak the gain recovers by at most one release step per sample.
    for (size_t i = 1; i < vGain.size(); ++i)
        vGain[i] = std::min(vGain[i], vGain[i - 1] + fReleaseStep);
    // The clamp only absorbs float rounding of ceiling / magnitude * magnitude.
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::clamp(samples[i] * vGain[i], -fCeiling, fCeiling);
}

void NormalisePeak(Samples& samples, float fTargetDb)
{
    const float fPeak = PeakOf(samples);
    if (fPeak <= 0.0f)
        return;
    const float fScale = DbToGain(fTargetDb) / fPeak;
    for (float& fSample : samples)
        fSample *= fScale;
}

void MasterToLoudness(Samples& samples, float fRmsDb, float fCeilingDb)
{
    const float fRms = ActiveRmsOf(samples);
    if (fRms <= 0.0f)
        return;
    const float fScale = DbToGain(fRmsDb) / fRms;
    for (float& fSample : samples)
        fSample *= fScale;
    LimitPeaks(samples, DbToGain(fCeilingDb), 0.002, 0.08);
}

void MasterToPeak(Samples& samples, float fSqueezeDb, float fTargetDb)
{
    NormalisePeak(samples, 0.0f);
    if (fSqueezeDb > 0.0f)
        LimitPeaks(samples, DbToGain(-fSqueezeDb), 0.002, 0.08);
    NormalisePeak(samples, fTargetDb);
}
} // namespace AudioGen
