// MRVSoundFile.h: the .mrs sound file: a 26-byte header followed by raw PCM sample data.
//
// Header (little-endian): bytes 0-3 unused; 4-21 the PCM format record (tag, channels, rate,
// bytes per second, block alignment, bits, extra size); 22-25 the data length. The
// whole-sound loader plays the data length, cut to what follows the header; the streamed
// reader ignores the field and plays everything from byte 26 to the end of the file. Nothing
// here reads outside the bytes it is given.
#pragma once

#include "file/MRVFile.h"
#include "platform/AudioDevice.h"
#include "platform/WinTypes.h"

#include <cstddef>
#include <vector>

constexpr DWORD kSoundHeaderSize = 26;

struct MRVSoundHeader
{
    Platform::WaveFormat format;
    DWORD dwDataLength; // as written in the file, not checked against it
};

// Reads the header fields; FALSE when fewer than 26 bytes are given.
BOOL ParseSoundHeader(const BYTE* pBytes, size_t nBytes, MRVSoundHeader* pHeader);
// Writes the header fields into bytes 4-25 of the 26 at pBytes (what the content tools make);
// bytes 0-3 are left as they are.
void WriteSoundHeader(const MRVSoundHeader& header, BYTE* pBytes);

// The sample bytes a whole-sound loader may copy from a file of dwFileLength bytes: the data
// length, cut to what follows the header (0 for a file shorter than the header).
DWORD WholeSoundDataLength(const MRVSoundHeader& header, DWORD dwFileLength);

// A whole sound file read into memory, and where its playable samples lie within it.
struct MRVWholeSound
{
    MRVSoundHeader header;
    std::vector<BYTE> bytes; // the whole file
    DWORD dwDataLength;      // playable bytes from offset 26
    const BYTE* Data() const { return bytes.data() + kSoundHeaderSize; }
};

// Splits a file's bytes into header and playable samples; FALSE for a file shorter than the
// header.
BOOL ParseWholeSound(const BYTE* pBytes, size_t nBytes, MRVSoundHeader* pHeader, DWORD* pdwDataLength);

// Reads the whole of an open file (the file class raises on a read failure). FALSE when the
// file is shorter than the header.
BOOL ReadWholeSound(CMRVFile& file, MRVWholeSound* pSound);
