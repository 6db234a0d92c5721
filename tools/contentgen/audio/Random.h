// A small deterministic pseudo-random generator (xorshift32). Every noise source and every
// humanised velocity of the content comes from one of these with a fixed seed, so two builds
// produce the same bytes.
#pragma once

#include <cstdint>

namespace AudioGen
{
class CRandom
{
public:
    explicit CRandom(uint32_t dwSeed);

    uint32_t Next();
    // Uniform in [0, 1).
    float NextUnit();
    // Uniform in [-1, 1).
    float NextBipolar();

private:
    uint32_t m_dwState;
};
} // namespace AudioGen
