// SoundFiles.h: sound files made in code for the sound tests and the DirectSound stream check:
// PCM formats, distinct never-silent samples, and the bytes of a whole .mrs file.
#pragma once

#include "platform/AudioDevice.h"
#include "platform/ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace SoundTest
{

inline Platform::WaveFormat PcmFormat(WORD nChannels, DWORD dwRate, WORD wBits)
{
    const WORD nBlockAlign = static_cast<WORD>(nChannels * wBits / 8);
    return {Platform::kWaveFormatPcm, nChannels, dwRate, dwRate * nBlockAlign, nBlockAlign, wBits, 0};
}

inline const Platform::WaveFormat kOutputFormat = PcmFormat(1, 22050, 16);

// Distinct, never-silent 16-bit samples, so that a gap, a repeat or a stray sample shows.
inline std::vector<int16_t> TestSamples(size_t nCount, uint32_t dwSeed = 1)
{
    std::vector<int16_t> samples(nCount);
    uint32_t dwState = dwSeed * 2654435761u + 12345u;
    for (int16_t& nSample : samples)
    {
        dwState = dwState * 1664525u + 1013904223u;
        nSample = static_cast<int16_t>(dwState >> 16);
        if (nSample == 0)
            nSample = 1;
    }
    return samples;
}

inline std::vector<BYTE> SampleBytes(const std::vector<int16_t>& samples)
{
    std::vector<BYTE> bytes;
    for (int16_t nSample : samples)
        Platform::AppendLE16(bytes, static_cast<uint16_t>(nSample));
    return bytes;
}

// The bytes of a sound file; the data length field is the data's size unless given.
inline std::vector<BYTE> SoundFileBytes(const Platform::WaveFormat& format, const std::vector<BYTE>& data,
                                        int64_t nDataLengthField = -1)
{
    std::vector<BYTE> bytes = {'M', 'R', 'V', 'S'};
    for (WORD wField : {format.wFormatTag, format.nChannels})
        Platform::AppendLE16(bytes, wField);
    Platform::AppendLE32(bytes, format.nSamplesPerSec);
    Platform::AppendLE32(bytes, format.nAvgBytesPerSec);
    for (WORD wField : {format.nBlockAlign, format.wBitsPerSample, format.cbSize})
        Platform::AppendLE16(bytes, wField);
    Platform::AppendLE32(bytes, static_cast<uint32_t>(nDataLengthField < 0 ? data.size() : nDataLengthField));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// Lengths of streamed sample data that meet the streaming buffer's halves in every way: empty,
// shorter than a half, exactly one or two halves, a little more, several, and a long file.
struct StreamCase
{
    const char* pszName;
    size_t nDataBytes;
};

inline const StreamCase kStreamCases[] = {
    {"Empty", 0},
    {"OneSample", 2},
    {"UnderOneChunk", 20000},
    {"OneChunk", 32000},
    {"OneChunkAndSome", 32000 + 4410},
    {"TwoChunks", 64000},
    {"TwoChunksAndSome", 64000 + 2},
    {"ThreeChunks", 96000},
    {"FiveChunksAndSome", 5 * 32000 + 31998},
    {"TenSeconds", 441000},
};

} // namespace SoundTest
