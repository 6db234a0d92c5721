// MRVSoundFile.cpp: header fields (read and written) and the whole-sound reader, bounded by the
// bytes at hand.
#include "sound/MRVSoundFile.h"

#include "platform/ByteOrder.h"

using Platform::ReadLE16;
using Platform::ReadLE32;
using Platform::WriteLE16;
using Platform::WriteLE32;

BOOL ParseSoundHeader(const BYTE* pBytes, size_t nBytes, MRVSoundHeader* pHeader)
{
    if (!pBytes || nBytes < kSoundHeaderSize)
        return FALSE;
    Platform::WaveFormat& format = pHeader->format;
    format.wFormatTag = ReadLE16(pBytes + 4);
    format.nChannels = ReadLE16(pBytes + 6);
    format.nSamplesPerSec = ReadLE32(pBytes + 8);
    format.nAvgBytesPerSec = ReadLE32(pBytes + 12);
    format.nBlockAlign = ReadLE16(pBytes + 16);
    format.wBitsPerSample = ReadLE16(pBytes + 18);
    format.cbSize = ReadLE16(pBytes + 20);
    pHeader->dwDataLength = ReadLE32(pBytes + 22);
    return TRUE;
}

void WriteSoundHeader(const MRVSoundHeader& header, BYTE* pBytes)
{
    const Platform::WaveFormat& format = header.format;
    WriteLE16(pBytes + 4, format.wFormatTag);
    WriteLE16(pBytes + 6, format.nChannels);
    WriteLE32(pBytes + 8, format.nSamplesPerSec);
    WriteLE32(pBytes + 12, format.nAvgBytesPerSec);
    WriteLE16(pBytes + 16, format.nBlockAlign);
    WriteLE16(pBytes + 18, format.wBitsPerSample);
    WriteLE16(pBytes + 20, format.cbSize);
    WriteLE32(pBytes + 22, header.dwDataLength);
}

DWORD WholeSoundDataLength(const MRVSoundHeader& header, DWORD dwFileLength)
{
    if (dwFileLength < kSoundHeaderSize)
        return 0;
    const DWORD dwAvailable = dwFileLength - kSoundHeaderSize;
    return header.dwDataLength < dwAvailable ? header.dwDataLength : dwAvailable;
}

BOOL ParseWholeSound(const BYTE* pBytes, size_t nBytes, MRVSoundHeader* pHeader, DWORD* pdwDataLength)
{
    if (!ParseSoundHeader(pBytes, nBytes, pHeader))
        return FALSE;
    const DWORD dwLength = nBytes > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<DWORD>(nBytes);
    *pdwDataLength = WholeSoundDataLength(*pHeader, dwLength);
    return TRUE;
}

BOOL ReadWholeSound(CMRVFile& file, MRVWholeSound* pSound)
{
    const DWORD dwLength = file.GetLength();
    pSound->bytes.resize(dwLength);
    const DWORD dwRead = dwLength ? file.Read(pSound->bytes.data(), dwLength) : 0;
    // A file that shrank while it was read holds only what was read.
    pSound->bytes.resize(dwRead);
    return ParseWholeSound(pSound->bytes.data(), pSound->bytes.size(), &pSound->header,
                           &pSound->dwDataLength);
}
