// 16-bit PCM WAV files as mono float samples, over the tools' shared WAV reader.
#include "WavReader.h"

#include "platform/ByteOrder.h"
#include "tools/common/WavReader.h"

namespace AudioGen
{
namespace
{
bool ToMono16(const ToolWav::PcmWave& wave, SDecodedWav& out, std::string& strError)
{
    if (wave.wBitsPerSample != 16)
    {
        strError = "not 16-bit PCM";
        return false;
    }
    out.nSampleRate = static_cast<int>(wave.nSampleRate);
    const size_t nFrames = wave.FrameCount();
    out.samples.assign(nFrames, 0.0f);
    const uint8_t* p = wave.samples.data();
    for (size_t nFrame = 0; nFrame < nFrames; ++nFrame)
    {
        float fSum = 0.0f;
        for (uint32_t c = 0; c < wave.nChannels; ++c, p += 2)
            fSum += static_cast<float>(static_cast<int16_t>(Platform::ReadLE16(p))) /
                    32767.0f; // the writer's scale
        out.samples[nFrame] = fSum / static_cast<float>(wave.nChannels);
    }
    return true;
}
} // namespace

bool DecodeWav16(const std::vector<uint8_t>& vFile, SDecodedWav& out, std::string& strError)
{
    ToolWav::PcmWave wave;
    return ToolWav::DecodeWav(vFile, &wave, &strError) && ToMono16(wave, out, strError);
}

bool ReadWav16(const std::string& strPath, SDecodedWav& out, std::string& strError)
{
    ToolWav::PcmWave wave;
    if (!ToolWav::ReadWav(strPath, &wave, &strError) || !ToMono16(wave, out, strError))
    {
        strError = strPath + ": " + strError;
        return false;
    }
    return true;
}
} // namespace AudioGen
