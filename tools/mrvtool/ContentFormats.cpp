// ContentFormats.cpp: byte layouts of image records, frame sets and sound files.
#include "ContentFormats.h"

#include "ByteOrder.h"

#include "graphics/MRVImage.h"

#include <cstring>

namespace MRVPacker
{

namespace
{

void PutTag(std::vector<uint8_t>& out, const char* pszTag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(pszTag[i]));
}

} // namespace

bool ParseImageRecord(const uint8_t* pRecord, size_t nSize, ImageHeader* pHeader, uint32_t* pDataSize,
                      std::string* pError)
{
    if (nSize < IMAGE_HEADER_SIZE)
    {
        *pError = "record of " + std::to_string(nSize) + " bytes is shorter than its 20-byte header";
        return false;
    }
    ImageHeader& header = *pHeader;
    header.dwFlags = GetLE32(pRecord + 4);
    header.wWidth = GetLE16(pRecord + 8);
    header.wHeight = GetLE16(pRecord + 10);
    header.dwBufferSize = GetLE32(pRecord + 12);
    const uint32_t dwDataSize = *pDataSize = GetLE32(pRecord + 16);
    const uint64_t nRawSize = static_cast<uint64_t>(header.wWidth) * header.wHeight * 2;
    const std::string strSizes =
        "data size " + std::to_string(dwDataSize) + ", buffer size " + std::to_string(header.dwBufferSize);
    if (dwDataSize > header.dwBufferSize)
        *pError = strSizes + ": data size exceeds buffer size";
    else if (!(header.dwFlags & MRVIMAGE_COMPRESSED) && dwDataSize != header.dwBufferSize)
        *pError = strSizes + ": an uncompressed payload must fill its buffer";
    else if ((header.dwFlags & MRVIMAGE_RAW) && header.dwBufferSize != nRawSize)
        *pError = strSizes + ": a raw " + std::to_string(header.wWidth) + "x" + std::to_string(header.wHeight) +
                  " picture needs " + std::to_string(nRawSize) + " bytes";
    else if (dwDataSize > nSize - IMAGE_HEADER_SIZE)
        *pError = "payload cut short: " + std::to_string(nSize - IMAGE_HEADER_SIZE) + " of " +
                  std::to_string(dwDataSize) + " bytes present";
    else
        return true;
    return false;
}

bool ParseFrameSet(const std::vector<uint8_t>& file, uint16_t* pFrameRate, std::vector<FrameEntry>* pFrames,
                   std::string* pError)
{
    pFrames->clear();
    if (file.size() < FRAMESET_HEADER_SIZE)
    {
        *pError = "file of " + std::to_string(file.size()) + " bytes is shorter than the 8-byte header";
        return false;
    }
    *pFrameRate = GetLE16(file.data() + 4);
    const unsigned nCount = GetLE16(file.data() + 6);
    size_t nOffset = FRAMESET_HEADER_SIZE;
    for (unsigned i = 0; i < nCount; ++i)
    {
        const std::string strFrame = "frame " + std::to_string(i) + " of " + std::to_string(nCount) + ": ";
        if (file.size() - nOffset < 4)
        {
            *pError = strFrame + "file ends before its length";
            return false;
        }
        const uint32_t dwLength = GetLE32(file.data() + nOffset);
        nOffset += 4;
        if (dwLength > file.size() - nOffset)
        {
            *pError = strFrame + "length " + std::to_string(dwLength) + " runs past the end of the file";
            return false;
        }
        if (dwLength < IMAGE_HEADER_SIZE)
        {
            *pError = strFrame + "length " + std::to_string(dwLength) + " is shorter than a record header";
            return false;
        }
        const uint32_t dwDataSize = GetLE32(file.data() + nOffset + 16);
        if (dwDataSize != dwLength - IMAGE_HEADER_SIZE)
        {
            *pError = strFrame + "length " + std::to_string(dwLength) + " does not match its record (20 + data size " +
                      std::to_string(dwDataSize) + ")";
            return false;
        }
        pFrames->push_back(FrameEntry{ nOffset, dwLength });
        nOffset += dwLength;
    }
    return true;
}

std::vector<uint8_t> BuildImageRecord(const ImageHeader& header, const std::vector<uint8_t>& payload)
{
    std::vector<uint8_t> out;
    out.reserve(IMAGE_HEADER_SIZE + payload.size());
    PutTag(out, "MRVX");
    PutLE32(out, header.dwFlags);
    PutLE16(out, header.wWidth);
    PutLE16(out, header.wHeight);
    PutLE32(out, header.dwBufferSize);
    PutLE32(out, static_cast<uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

std::vector<uint8_t> BuildFrameSet(uint16_t wFrameRate, const std::vector<std::vector<uint8_t>>& records)
{
    std::vector<uint8_t> out;
    PutTag(out, "MRVM");
    PutLE16(out, wFrameRate);
    PutLE16(out, static_cast<uint32_t>(records.size()));
    for (const std::vector<uint8_t>& record : records)
    {
        PutLE32(out, static_cast<uint32_t>(record.size()));
        out.insert(out.end(), record.begin(), record.end());
    }
    return out;
}

SoundFormat MakePcmFormat(uint16_t nChannels, uint32_t nSamplesPerSec, uint16_t wBitsPerSample)
{
    SoundFormat format;
    format.nChannels = nChannels;
    format.nSamplesPerSec = nSamplesPerSec;
    format.wBitsPerSample = wBitsPerSample;
    format.nBlockAlign = static_cast<uint16_t>(nChannels * (wBitsPerSample / 8));
    format.nAvgBytesPerSec = nSamplesPerSec * format.nBlockAlign;
    return format;
}

std::vector<uint8_t> BuildSoundFile(const SoundFormat& format, const uint8_t* pSamples, size_t nSize)
{
    std::vector<uint8_t> out(SOUND_HEADER_SIZE + nSize);
    std::memcpy(out.data(), "MRVS", 4);
    WriteSoundHeader(MRVSoundHeader{format, static_cast<uint32_t>(nSize)}, out.data());
    if (nSize > 0)
        std::memcpy(out.data() + SOUND_HEADER_SIZE, pSamples, nSize);
    return out;
}

bool ParseSoundFile(const std::vector<uint8_t>& file, SoundFormat* pFormat, uint32_t* pDataLength,
                    std::string* pError)
{
    if (file.size() < SOUND_HEADER_SIZE)
    {
        *pError = "file of " + std::to_string(file.size()) + " bytes is shorter than the 26-byte header";
        return false;
    }
    MRVSoundHeader header = {};
    ParseSoundHeader(file.data(), file.size(), &header);
    SoundFormat& format = *pFormat;
    static_cast<Platform::WaveFormat&>(format) = header.format;
    *pDataLength = header.dwDataLength;

    const SoundFormat expected = MakePcmFormat(format.nChannels, format.nSamplesPerSec, format.wBitsPerSample);
    if (format.wFormatTag != WAVE_FORMAT_PCM_TAG)
        *pError = "format tag " + std::to_string(format.wFormatTag) + " is not PCM (1)";
    else if (format.nChannels == 0 || format.nSamplesPerSec == 0)
        *pError = "no channels or no sample rate";
    else if (format.wBitsPerSample != 8 && format.wBitsPerSample != 16)
        *pError = std::to_string(format.wBitsPerSample) + " bits per sample (8 or 16 expected)";
    else if (format.nBlockAlign != expected.nBlockAlign || format.nAvgBytesPerSec != expected.nAvgBytesPerSec)
        *pError = "block alignment or byte rate does not match channels, rate and bits";
    else if (format.cbSize != 0)
        *pError = "extra format size " + std::to_string(format.cbSize) + " (0 expected)";
    else if (*pDataLength > file.size() - SOUND_HEADER_SIZE)
        *pError = "data length " + std::to_string(*pDataLength) + " exceeds the " +
                  std::to_string(file.size() - SOUND_HEADER_SIZE) + " bytes after the header";
    else
        return true;
    return false;
}

} // namespace MRVPacker
