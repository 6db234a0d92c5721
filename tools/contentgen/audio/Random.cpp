// xorshift32 generator for noise and humanisation.
#include "Random.h"

namespace AudioGen
{
CRandom::CRandom(uint32_t dwSeed)
    // xorshift never leaves the all-zero state, so a zero seed is replaced by a fixed constant.
    : m_dwState(dwSeed != 0 ? dwSeed : 0x9E3779B9u)
{
}

uint32_t CRandom::Next()
{
    uint32_t dwX = m_dwState;
    dwX ^= dwX << 13;
    dwX ^= dwX >> 17;
    dwX ^= dwX << 5;
    m_dwState = dwX;
    return dwX;
}

float CRandom::NextUnit()
{
    // The top 24 bits fill a float mantissa exactly.
    return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f);
}

float CRandom::NextBipolar()
{
    return NextUnit() * 2.0f - 1.0f;
}
} // namespace AudioGen
