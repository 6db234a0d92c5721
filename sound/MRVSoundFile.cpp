// MRVSoundFile.cpp: header fields (read and written) and the whole-sound reader, bounded by the
// bytes at hand.
#include "sound/MRVSoundFile.h"

namespace
{

WORD ReadWord(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

DWORD ReadDword(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

void WriteWord(BYTE* p, WORD wValue)
{
    p[0] = static_cast<BYTE>(wValue);
    p[1] = static_cast<BYTE>(wValue >> 8);
}

void WriteDword(BYTE* p, DWORD dwValue)
{
    WriteWord(p, static_cast<WORD>(dwValue));
    WriteWord(p + 2, static_cast<WORD>(dwValue >> 16));
}

} // namespace

BOOL ParseSoundHeader(const BYTE* pBytes, size_t nBytes, MRVSoundHeader* pHeader)
{
    if (!pBytes || nBytes < kSoundHeaderSize)
        return FALSE;
    Platform::WaveFormat& format = pHeader->format;
    format.wFormatTag = ReadWord(pBytes + 4);
    format.nChannels = ReadWord(pBytes + 6);
    format.nSamplesPerSec = ReadDword(pBytes + 8);
    format.nAvgBytesPerSec = ReadDword(pBytes + 12);
    format.nBlockAlign = ReadWord(pBytes + 16);
    format.wBitsPerSample = ReadWord(pBytes + 18);
    format.cbSize = ReadWord(pBytes + 20);
    pHeader->dwDataLength = ReadDword(pBytes + 22);
    return TRUE;
}

void WriteSoundHeader(const MRVSoundHeader& header, BYTE* pBytes)
{
    const Platform::WaveFormat& format = header.format;
    WriteWord(pBytes + 4, format.wFormatTag);
    WriteWord(pBytes + 6, format.nChannels);
    WriteDword(pBytes + 8, format.nSamplesPerSec);
    WriteDword(pBytes + 12, format.nAvgBytesPerSec);
    WriteWord(pBytes + 16, format.nBlockAlign);
    WriteWord(pBytes + 18, format.wBitsPerSample);
    WriteWord(pBytes + 20, format.cbSize);
    WriteDword(pBytes + 22, header.dwDataLength);
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
    return ParseWholeSound(pSound->bytes.data(), pSound->bytes.size(), &pSound->header, &pSound->dwDataLength);
}
