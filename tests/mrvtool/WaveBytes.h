// WaveBytes.h: RIFF WAVE file images built byte by byte for the tools' tests.
#pragma once

#include "platform/ByteOrder.h"

#include <cstdint>
#include <vector>

namespace ToolTest
{

constexpr uint16_t kWaveExtensible = 0xFFFE;

// A format chunk of the given tag (40 bytes with a sub-format for the extensible tag), an
// odd-sized chunk to skip, and the data chunk holding the sample bytes.
inline std::vector<uint8_t> Wave(uint16_t wTag, uint16_t nChannels, uint32_t nRate, uint16_t wBits,
                                 const std::vector<uint8_t>& samples, uint16_t wSubFormat = 1)
{
    std::vector<uint8_t> wav = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    const bool bExtensible = wTag == kWaveExtensible;
    Platform::AppendLE32(wav, bExtensible ? 40 : 16);
    Platform::AppendLE16(wav, wTag);
    Platform::AppendLE16(wav, nChannels);
    Platform::AppendLE32(wav, nRate);
    Platform::AppendLE32(wav, nRate * nChannels * (wBits / 8));
    Platform::AppendLE16(wav, static_cast<uint16_t>(nChannels * (wBits / 8)));
    Platform::AppendLE16(wav, wBits);
    if (bExtensible)
    {
        wav.insert(wav.end(), {22, 0, 0, 0, 0, 0, 0, 0});
        Platform::AppendLE16(wav, wSubFormat);
        wav.insert(wav.end(), 14, 0);
    }
    wav.insert(wav.end(), {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0});
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    Platform::AppendLE32(wav, static_cast<uint32_t>(samples.size()));
    wav.insert(wav.end(), samples.begin(), samples.end());
    return wav;
}

} // namespace ToolTest
