// ContentFormats.cpp: byte layouts of image records, frame sets and sound files.
#include "ContentFormats.h"

#include "platform/ByteOrder.h"

#include <cstring>
#include <utility>

namespace MRVPacker
{

namespace
{

void PutTag(std::vector<uint8_t>& out, const char* pszTag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(pszTag[i]));
}

std::string RecordNumbers(const MRVRecordHeader& header)
{
    return "flags " + std::to_string(header.dwFlags) + ", " + std::to_string(header.wWidth) + "x" +
           std::to_string(header.wHeight) + ", buffer size " + std::to_string(header.dwBufferSize) +
           ", data size " + std::to_string(header.dwDataSize);
}

} // namespace

bool ParseImageRecord(const uint8_t* pRecord, size_t nSize, MRVRecordHeader* pHeader, std::string* pError)
{
    if (nSize < MRVIMAGE_HEADER_SIZE)
    {
        *pError =
            "record of " + std::to_string(nSize) + " bytes is " + RecordFaultText(MRVRECORD_HEADER_CUT_SHORT);
        return false;
    }
    ReadRecordHeader(pRecord, pHeader);
    const size_t nPayload = nSize - MRVIMAGE_HEADER_SIZE;
    const MRVRecordFault fault = CheckRecord(*pHeader, nPayload);
    if (fault == MRVRECORD_OK)
        return true;
    *pError = std::string(RecordFaultText(fault)) + " (" + RecordNumbers(*pHeader);
    if (fault == MRVRECORD_PAYLOAD_CUT_SHORT)
        *pError += ", " + std::to_string(nPayload) + " bytes present";
    *pError += ")";
    return false;
}

bool ParseFrameSet(const std::vector<uint8_t>& file, uint16_t* pFrameRate,
                   std::vector<MRVFrameEntry>* pFrames, std::string* pError)
{
    MRVFrameSetLayout layout = ParseFrameSetLayout(file.data(), file.size());
    *pFrameRate = static_cast<uint16_t>(layout.nFrameRate);
    *pFrames = std::move(layout.frames);
    if (layout.fault == MRVFRAMESET_OK)
        return true;
    if (layout.fault == MRVFRAMESET_HEADER_CUT_SHORT)
        *pError = "file of " + std::to_string(file.size()) + " bytes is " + FrameSetFaultText(layout.fault);
    else
        *pError = "frame " + std::to_string(layout.nBadFrame) + " of " + std::to_string(layout.nFrameCount) +
                  ": " + FrameSetFaultText(layout.fault);
    return false;
}

std::vector<uint8_t> BuildImageRecord(const MRVRecordHeader& header, const std::vector<uint8_t>& payload)
{
    MRVRecordHeader written = header;
    std::memcpy(written.magic, "MRVX", sizeof(written.magic));
    written.dwDataSize = static_cast<uint32_t>(payload.size());
    std::vector<uint8_t> out(MRVIMAGE_HEADER_SIZE + payload.size());
    WriteRecordHeader(written, out.data());
    if (!payload.empty())
        std::memcpy(out.data() + MRVIMAGE_HEADER_SIZE, payload.data(), payload.size());
    return out;
}

std::vector<uint8_t> BuildFrameSet(uint16_t wFrameRate, const std::vector<std::vector<uint8_t>>& records)
{
    std::vector<uint8_t> out;
    PutTag(out, "MRVM");
    Platform::AppendLE16(out, wFrameRate);
    Platform::AppendLE16(out, static_cast<uint16_t>(records.size()));
    for (const std::vector<uint8_t>& record : records)
    {
        Platform::AppendLE32(out, static_cast<uint32_t>(record.size()));
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

    const SoundFormat expected =
        MakePcmFormat(format.nChannels, format.nSamplesPerSec, format.wBitsPerSample);
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
