// A small room reverb: parallel damped combs followed by series all-passes. Mono in, wet out.
#pragma once

#include "Delay.h"

#include <vector>

namespace AudioGen
{
class CReverb
{
public:
    // fRoomSize in [0, 1] sets the decay time, fDamping in [0, 1] how fast highs die away.
    CReverb(float fRoomSize, float fDamping);

    float Process(float fIn);

private:
    std::vector<CCombFilter> m_vCombs;
    std::vector<CAllPassFilter> m_vAllPasses;
};
} // namespace AudioGen
