// Linear-interpolation resampler with an anti-alias low-pass for downsampling.
#include "Resample.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace AudioGen
{
namespace
{
constexpr int kHalfTaps = 32;

// Blackman-windowed sinc low-pass at the given fraction of the source rate, so that nothing
// above the new Nyquist frequency folds down into the audible band.
Samples LowPassAtRate(const Samples& input, double dCutoffFraction)
{
    std::vector<float> vTaps(2 * kHalfTaps + 1);
    double dSum = 0.0;
    for (int n = -kHalfTaps; n <= kHalfTaps; ++n)
    {
        const double dSinc =
            n == 0 ? 2.0 * dCutoffFraction : std::sin(2.0 * kPi * dCutoffFraction * n) / (kPi * n);
        const double dX = static_cast<double>(n + kHalfTaps) / (2.0 * kHalfTaps);
        const double dWindow = 0.42 - 0.5 * std::cos(2.0 * kPi * dX) + 0.08 * std::cos(4.0 * kPi * dX);
        vTaps[static_cast<size_t>(n + kHalfTaps)] = static_cast<float>(dSinc * dWindow);
        dSum += dSinc * dWindow;
    }
    for (float& fTap : vTaps)
        fTap = static_cast<float>(fTap / dSum); // unity gain for low tones

    const auto nSize = static_cast<std::ptrdiff_t>(input.size());
    Samples out(input.size(), 0.0f);
    for (std::ptrdiff_t i = 0; i < nSize; ++i)
    {
        float fAcc = 0.0f;
        for (std::ptrdiff_t k = -kHalfTaps; k <= kHalfTaps; ++k)
        {
            const std::ptrdiff_t j = i + k;
            if (j >= 0 && j < nSize)
                fAcc += vTaps[static_cast<size_t>(k + kHalfTaps)] * input[static_cast<size_t>(j)];
        }
        out[static_cast<size_t>(i)] = fAcc;
    }
    return out;
}
} // namespace

Samples Resample(const Samples& input, int nFromRate, int nToRate)
{
    if (nFromRate == nToRate || input.empty() || nFromRate <= 0 || nToRate <= 0)
        return input;
    const Samples source = nToRate < nFromRate ? LowPassAtRate(input, 0.45 * nToRate / nFromRate) : input;
    const double dStep = static_cast<double>(nFromRate) / nToRate;
    const size_t nOutFrames =
        static_cast<size_t>(std::floor(static_cast<double>(input.size() - 1) / dStep)) + 1;
    Samples out(nOutFrames);
    for (size_t i = 0; i < nOutFrames; ++i)
    {
        const double dPos = static_cast<double>(i) * dStep;
        const size_t nIndex = static_cast<size_t>(dPos);
        const float fFraction = static_cast<float>(dPos - static_cast<double>(nIndex));
        const float fNext = nIndex + 1 < source.size() ? source[nIndex + 1] : source[nIndex];
        out[i] = source[nIndex] + (fNext - source[nIndex]) * fFraction;
    }
    return out;
}
} // namespace AudioGen
