// AudioRuns.cpp: an index of the sound's sample sequences, run growth, and the judgement.
#include "AudioRuns.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace Lane
{

namespace
{

constexpr size_t kKeyLength = 8;

uint64_t KeyAt(const std::vector<int16_t>& samples, size_t nAt)
{
    uint64_t qwKey = 1469598103934665603ull;
    for (size_t i = 0; i < kKeyLength; ++i)
        qwKey = (qwKey ^ static_cast<uint16_t>(samples[nAt + i])) * 1099511628211ull;
    return qwKey;
}

bool IsSilentKey(const std::vector<int16_t>& samples, size_t nAt)
{
    for (size_t i = 0; i < kKeyLength; ++i)
    {
        if (samples[nAt + i] != 0)
            return false;
    }
    return true;
}

size_t RunLength(const std::vector<int16_t>& recorded, size_t nRecorded, size_t nTo,
                 const std::vector<int16_t>& sound, size_t nSound)
{
    size_t nLength = 0;
    while (nRecorded + nLength < nTo && nSound + nLength < sound.size() &&
           recorded[nRecorded + nLength] == sound[nSound + nLength])
        ++nLength;
    return nLength;
}

// A sound shorter than a key is searched for whole.
SoundMatch FindShortSound(const std::vector<int16_t>& recorded, size_t nFrom, size_t nTo,
                          const std::vector<int16_t>& sound)
{
    SoundMatch match;
    match.nEnd = nFrom;
    if (sound.empty() || nTo < nFrom + sound.size())
        return match;
    const auto it =
        std::search(recorded.begin() + static_cast<std::ptrdiff_t>(nFrom),
                    recorded.begin() + static_cast<std::ptrdiff_t>(nTo), sound.begin(), sound.end());
    if (it == recorded.begin() + static_cast<std::ptrdiff_t>(nTo))
        return match;
    const size_t nAt = static_cast<size_t>(it - recorded.begin());
    match.Runs.push_back({nAt, 0, sound.size()});
    match.nEnd = nAt + sound.size();
    match.nHeard = sound.size();
    return match;
}

} // namespace

SoundMatch FindSound(const std::vector<int16_t>& recorded, size_t nFrom, size_t nTo,
                     const std::vector<int16_t>& sound, size_t nMinRun)
{
    nTo = std::min(nTo, recorded.size());
    if (sound.size() < kKeyLength)
        return FindShortSound(recorded, nFrom, nTo, sound);

    // Every position of the sound by the samples that start there (the sound's own samples
    // are distinct enough that the first position is the one).
    std::unordered_map<uint64_t, size_t> positions;
    for (size_t i = 0; i + kKeyLength <= sound.size(); ++i)
    {
        if (!IsSilentKey(sound, i))
            positions.emplace(KeyAt(sound, i), i);
    }

    SoundMatch match;
    match.nEnd = nFrom;
    size_t nAt = nFrom;
    while (nAt + kKeyLength <= nTo)
    {
        const auto found =
            IsSilentKey(recorded, nAt) ? positions.end() : positions.find(KeyAt(recorded, nAt));
        const size_t nLength =
            found == positions.end() ? 0 : RunLength(recorded, nAt, nTo, sound, found->second);
        if (nLength < std::min(nMinRun, sound.size()))
        {
            ++nAt;
            continue;
        }
        const SampleRun run = {nAt, found->second, nLength};
        if (!match.Runs.empty())
        {
            const SampleRun& last = match.Runs.back();
            const size_t nLastEnd = last.nSound + last.nLength;
            if (run.nSound < nLastEnd)
                ++match.nOutOfOrder;
            else if (run.nSound > nLastEnd)
                match.Skips.push_back(run.nSound - nLastEnd);
            const size_t nJump = run.nSound > nLastEnd ? run.nSound - nLastEnd : nLastEnd - run.nSound;
            match.nLargestJump = std::max(match.nLargestJump, nJump);
            const size_t nGapFrom = last.nRecorded + last.nLength;
            match.nLargestGap = std::max(match.nLargestGap, run.nRecorded - nGapFrom);
            match.nForeign += CountLoud(recorded, nGapFrom, run.nRecorded);
        }
        match.Runs.push_back(run);
        match.nHeard += nLength;
        nAt += nLength;
        match.nEnd = nAt;
    }
    return match;
}

size_t CountChunkSkips(const SoundMatch& match, size_t nChunk)
{
    size_t nCount = 0;
    for (size_t nSkip : match.Skips)
        nCount += nSkip % nChunk == 0 ? 1 : 0;
    return nCount;
}

size_t CountLoud(const std::vector<int16_t>& recorded, size_t nFrom, size_t nTo, int nThreshold)
{
    nTo = std::min(nTo, recorded.size());
    size_t nLoud = 0;
    for (size_t i = nFrom; i < nTo; ++i)
    {
        if (std::abs(static_cast<int>(recorded[i])) > nThreshold)
            ++nLoud;
    }
    return nLoud;
}

std::string Describe(const SoundMatch& match, size_t nSoundLength, unsigned nRate)
{
    const double dMsPerSample = 1000.0 / nRate;
    char szLine[256];
    std::snprintf(szLine, sizeof(szLine),
                  "%zu run(s), %zu of %zu samples heard (%.2f%%), %zu out of order, largest jump %.1f ms, "
                  "largest gap %.1f ms, %zu foreign samples",
                  match.Runs.size(), match.nHeard, nSoundLength,
                  nSoundLength ? 100.0 * static_cast<double>(match.nHeard) / static_cast<double>(nSoundLength)
                               : 100.0,
                  match.nOutOfOrder, static_cast<double>(match.nLargestJump) * dMsPerSample,
                  static_cast<double>(match.nLargestGap) * dMsPerSample, match.nForeign);
    return szLine;
}

} // namespace Lane
