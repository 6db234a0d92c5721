// Comb and all-pass reverb. The delay lengths are mutually prime-ish so the combs' echoes do
// not line up into an audible flutter.
#include "Reverb.h"

#include <algorithm>
#include <cstddef>

namespace AudioGen
{
namespace
{
// Lengths in samples at 22,050 Hz (about 25 to 37 ms for the combs, 5 to 12 ms for the
// all-passes).
constexpr size_t kCombLengths[] = {557, 593, 641, 683, 733, 787};
constexpr size_t kAllPassLengths[] = {263, 131, 107};
constexpr float kInputGain = 0.12f;
} // namespace

CReverb::CReverb(float fRoomSize, float fDamping)
{
    const float fFeedback = 0.70f + 0.28f * std::clamp(fRoomSize, 0.0f, 1.0f);
    const float fDamp = 0.1f + 0.6f * std::clamp(fDamping, 0.0f, 1.0f);
    for (size_t nLength : kCombLengths)
        m_vCombs.emplace_back(nLength, fFeedback, fDamp);
    for (size_t nLength : kAllPassLengths)
        m_vAllPasses.emplace_back(nLength, 0.5f);
}

float CReverb::Process(float fIn)
{
    const float fScaled = fIn * kInputGain;
    float fSum = 0.0f;
    for (CCombFilter& comb : m_vCombs)
        fSum += comb.Process(fScaled);
    for (CAllPassFilter& allPass : m_vAllPasses)
        fSum = allPass.Process(fSum);
    return fSum;
}
} // namespace AudioGen
