// WavReader.cpp: a RIFF chunk walk over a file image, bounded by its size.
#include "tools/common/WavReader.h"

#include "tools/common/FileBytes.h"

#include "platform/ByteOrder.h"

#include <algorithm>
#include <cstring>

namespace ToolWav
{

namespace
{

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr size_t kFormatChunkSize = 16;
constexpr size_t kExtensibleChunkSize = 40;
constexpr size_t kSubFormatOffset = 24; // in the extensible format chunk; its first two bytes are the tag

bool TagAt(const std::vector<uint8_t>& file, size_t nAt, const char* pszTag)
{
    return std::memcmp(file.data() + nAt, pszTag, 4) == 0;
}

// Reads the format chunk of nSize bytes at nBody; false with the reason.
bool ReadFormat(const std::vector<uint8_t>& file, size_t nBody, size_t nSize, PcmWave* pWave,
                std::string* pError)
{
    if (nSize < kFormatChunkSize)
    {
        *pError = "format chunk too short";
        return false;
    }
    const uint8_t* p = file.data() + nBody;
    uint16_t wTag = Platform::ReadLE16(p);
    if (wTag == kFormatExtensible && nSize >= kExtensibleChunkSize)
        wTag = Platform::ReadLE16(p + kSubFormatOffset);
    pWave->nChannels = Platform::ReadLE16(p + 2);
    pWave->nSampleRate = Platform::ReadLE32(p + 4);
    pWave->wBitsPerSample = Platform::ReadLE16(p + 14);
    if (wTag != kFormatPcm)
        *pError = "format " + std::to_string(wTag) + " is not PCM";
    else if (pWave->wBitsPerSample != 8 && pWave->wBitsPerSample != 16)
        *pError = std::to_string(pWave->wBitsPerSample) + "-bit samples (8 or 16 expected)";
    else if (pWave->nChannels == 0 || pWave->nSampleRate == 0)
        *pError = "no channels or no sample rate";
    else if (pWave->BlockAlign() > 0xFFFF ||
             static_cast<uint64_t>(pWave->nSampleRate) * pWave->BlockAlign() > 0xFFFFFFFFu)
        *pError = std::to_string(pWave->nChannels) + " channels at " + std::to_string(pWave->nSampleRate) +
                  " Hz do not fit a PCM format record";
    else
        return true;
    return false;
}

} // namespace

bool DecodeWav(const std::vector<uint8_t>& file, PcmWave* pWave, std::string* pError)
{
    *pWave = PcmWave();
    if (file.size() < 12 || !TagAt(file, 0, "RIFF") || !TagAt(file, 8, "WAVE"))
    {
        *pError = "not a RIFF WAVE file";
        return false;
    }
    bool bFormatSeen = false;
    size_t nAt = 12;
    while (file.size() - nAt >= 8)
    {
        const size_t nBody = nAt + 8;
        const size_t nSize = Platform::ReadLE32(file.data() + nAt + 4);
        const size_t nAvailable = std::min(nSize, file.size() - nBody);
        if (TagAt(file, nAt, "fmt "))
        {
            if (!ReadFormat(file, nBody, nAvailable, pWave, pError))
                return false;
            bFormatSeen = true;
        }
        else if (TagAt(file, nAt, "data"))
        {
            if (!bFormatSeen)
            {
                *pError = "data chunk before format chunk";
                return false;
            }
            const size_t nWhole = nAvailable - nAvailable % pWave->BlockAlign();
            pWave->samples.assign(file.begin() + static_cast<std::ptrdiff_t>(nBody),
                                  file.begin() + static_cast<std::ptrdiff_t>(nBody + nWhole));
            return true;
        }
        if (nSize > file.size() - nBody)
            break;
        // Chunks are padded to an even size.
        nAt = nBody + nSize + (nSize & 1);
        if (nAt > file.size())
            break;
    }
    *pError = bFormatSeen ? "no data chunk" : "no format chunk";
    return false;
}

bool ReadWav(const std::string& strPath, PcmWave* pWave, std::string* pError)
{
    std::vector<uint8_t> file;
    if (!ToolFiles::ReadFileBytes(strPath, &file, pError))
        return false;
    if (!DecodeWav(file, pWave, pError))
    {
        *pError = "not a usable WAV file: " + *pError;
        return false;
    }
    return true;
}

} // namespace ToolWav
