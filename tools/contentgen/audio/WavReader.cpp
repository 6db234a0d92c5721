// 16-bit PCM WAV reader that walks the RIFF chunks.
#include "WavReader.h"

#include <fstream>
#include <iterator>

namespace AudioGen
{
namespace
{
uint32_t GetU16(const std::vector<uint8_t>& v, size_t nAt)
{
    return static_cast<uint32_t>(v[nAt]) | (static_cast<uint32_t>(v[nAt + 1]) << 8);
}

uint32_t GetU32(const std::vector<uint8_t>& v, size_t nAt)
{
    return GetU16(v, nAt) | (GetU16(v, nAt + 2) << 16);
}

bool TagAt(const std::vector<uint8_t>& v, size_t nAt, const char* pszTag)
{
    return v[nAt] == pszTag[0] && v[nAt + 1] == pszTag[1] && v[nAt + 2] == pszTag[2] && v[nAt + 3] == pszTag[3];
}
}  // namespace

bool DecodeWav16(const std::vector<uint8_t>& vFile, SDecodedWav& out, std::string& strError)
{
    if (vFile.size() < 12 || !TagAt(vFile, 0, "RIFF") || !TagAt(vFile, 8, "WAVE"))
    {
        strError = "not a RIFF WAVE file";
        return false;
    }
    uint32_t dwChannels = 0;
    bool bFormatSeen = false;
    size_t nAt = 12;
    while (nAt + 8 <= vFile.size())
    {
        const size_t nBody = nAt + 8;
        const size_t nSize = GetU32(vFile, nAt + 4);
        const size_t nAvailable = vFile.size() - nBody;
        if (TagAt(vFile, nAt, "fmt "))
        {
            if (nSize < 16 || nAvailable < 16)
            {
                strError = "format chunk too short";
                return false;
            }
            const uint32_t dwFormat = GetU16(vFile, nBody);
            dwChannels = GetU16(vFile, nBody + 2);
            out.nSampleRate = static_cast<int>(GetU32(vFile, nBody + 4));
            const uint32_t dwBits = GetU16(vFile, nBody + 14);
            if (dwFormat != 1 || dwBits != 16 || dwChannels == 0 || out.nSampleRate <= 0)
            {
                strError = "not 16-bit PCM";
                return false;
            }
            bFormatSeen = true;
        }
        else if (TagAt(vFile, nAt, "data"))
        {
            if (!bFormatSeen)
            {
                strError = "data chunk before format chunk";
                return false;
            }
            const size_t nBytes = nSize < nAvailable ? nSize : nAvailable;
            const size_t nFrames = nBytes / (2 * dwChannels);
            out.samples.assign(nFrames, 0.0f);
            for (size_t nFrame = 0; nFrame < nFrames; ++nFrame)
            {
                float fSum = 0.0f;
                for (uint32_t c = 0; c < dwChannels; ++c)
                {
                    const auto nValue = static_cast<int16_t>(GetU16(vFile, nBody + (nFrame * dwChannels + c) * 2));
                    fSum += static_cast<float>(nValue) / 32767.0f;  // the writer's scale, so a round trip is exact
                }
                out.samples[nFrame] = fSum / static_cast<float>(dwChannels);
            }
            return true;
        }
        if (nSize > nAvailable)
            break;
        // Chunks are padded to an even size.
        nAt = nBody + nSize + (nSize & 1);
    }
    strError = "no data chunk";
    return false;
}

bool ReadWav16(const std::string& strPath, SDecodedWav& out, std::string& strError)
{
    std::ifstream file(strPath, std::ios::binary);
    if (!file)
    {
        strError = "cannot open " + strPath;
        return false;
    }
    const std::vector<uint8_t> vFile((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!DecodeWav16(vFile, out, strError))
    {
        strError = strPath + ": " + strError;
        return false;
    }
    return true;
}
}  // namespace AudioGen
