// Canonical 16-bit mono WAV writer.
#include "WavWriter.h"

#include "platform/ByteOrder.h"
#include "tools/common/FileBytes.h"

#include <algorithm>
#include <cmath>

namespace AudioGen
{
namespace
{
void PutTag(std::vector<uint8_t>& vOut, const char* pszTag)
{
    for (int i = 0; i < 4; ++i)
        vOut.push_back(static_cast<uint8_t>(pszTag[i]));
}
} // namespace

std::vector<int16_t> QuantiseToPcm16(const Samples& samples)
{
    std::vector<int16_t> vPcm(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
    {
        const float fScaled = std::clamp(samples[i] * 32767.0f, -32768.0f, 32767.0f);
        vPcm[i] = static_cast<int16_t>(std::lround(fScaled));
    }
    return vPcm;
}

std::vector<uint8_t> EncodeWav16(const std::vector<int16_t>& vPcm, int nSampleRate)
{
    const uint32_t dwDataBytes = static_cast<uint32_t>(vPcm.size() * 2);
    const uint32_t dwRate = static_cast<uint32_t>(nSampleRate);
    std::vector<uint8_t> vOut;
    vOut.reserve(44 + dwDataBytes);
    PutTag(vOut, "RIFF");
    Platform::AppendLE32(vOut, 36 + dwDataBytes);
    PutTag(vOut, "WAVE");
    PutTag(vOut, "fmt ");
    Platform::AppendLE32(vOut, 16);         // format chunk size
    Platform::AppendLE16(vOut, 1);          // PCM
    Platform::AppendLE16(vOut, 1);          // mono
    Platform::AppendLE32(vOut, dwRate);     // frames per second
    Platform::AppendLE32(vOut, dwRate * 2); // bytes per second
    Platform::AppendLE16(vOut, 2);          // bytes per frame
    Platform::AppendLE16(vOut, 16);         // bits per sample
    PutTag(vOut, "data");
    Platform::AppendLE32(vOut, dwDataBytes);
    for (int16_t nSample : vPcm)
        Platform::AppendLE16(vOut, static_cast<uint16_t>(nSample));
    return vOut;
}

bool WriteWav16(const std::string& strPath, const Samples& samples, int nSampleRate, std::string& strError)
{
    // An identical file is left alone so its time stamp stays and the build repacks nothing.
    if (ToolFiles::WriteFileBytesIfChanged(strPath, EncodeWav16(QuantiseToPcm16(samples), nSampleRate),
                                           &strError))
        return true;
    strError = strPath + ": " + strError;
    return false;
}
} // namespace AudioGen
