// MRVFrameSet.h: a .mrm frame-set file read into memory, frame records handed out one by one.
//
// File layout (little-endian): 4 reserved bytes, frame rate (16-bit), frame count N (16-bit),
// then N entries of a 32-bit length L followed by L bytes holding one image record. Bytes
// after the last entry are ignored.
//
// Load reads the whole file and checks its framing before anything is handed out: every entry
// must be complete, hold at least a record header, and its length must equal 20 + the data
// size its record announces. A truncated or inconsistent file fails to load (result 0, no
// frames). The records' own headers are checked by CMRVImage::LoadFromMemory, which is meant
// to receive each record with its size:
//
//     CMRVFrameSet frames;
//     if (frames.Load(path))
//         for (int i = 0; i < frames.GetFrameCount(); ++i)
//         {
//             size_t nSize = 0;
//             const BYTE* pRecord = frames.GetFrameRecord(i, &nSize);
//             images[i].LoadFromMemory(pRecord, nSize);
//             images[i].Decompress(pScratch); // one scratch, grown to the largest buffer size
//         }
//
// The frame rate is reported as stored, 0 included; callers decide what to do with it.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <vector>

constexpr size_t MRVFRAMESET_HEADER_SIZE = 8;

// Why a frame set's framing is refused; MRVFRAMESET_OK when it is not.
enum MRVFrameSetFault
{
    MRVFRAMESET_OK,
    MRVFRAMESET_HEADER_CUT_SHORT,    // fewer than 8 bytes
    MRVFRAMESET_LENGTH_CUT_SHORT,    // the file ends inside an entry's length
    MRVFRAMESET_PAST_END,            // an entry's length runs past the end of the file
    MRVFRAMESET_SHORTER_THAN_HEADER, // an entry too short for a record header
    MRVFRAMESET_LENGTH_MISMATCH,     // an entry's length is not 20 + its record's data size
};

// A short text for the fault, without numbers.
const char* FrameSetFaultText(MRVFrameSetFault fault);

// One frame entry: where its record starts in the file and its length.
struct MRVFrameEntry
{
    size_t nOffset;
    size_t nSize;
};

// The framing of a frame set of nSize bytes.
struct MRVFrameSetLayout
{
    MRVFrameSetFault fault = MRVFRAMESET_OK;
    int nBadFrame = -1;                // the entry at fault
    int nFrameRate = 0;                // as stored
    int nFrameCount = 0;               // as stored
    std::vector<MRVFrameEntry> frames; // every entry, when there is no fault
};

// Reads the header and walks the entries: every entry complete, at least a record header long,
// and exactly as long as its record (20 + data size). The records themselves are not checked.
MRVFrameSetLayout ParseFrameSetLayout(const BYTE* pData, size_t nSize);

class CMRVFrameSet
{
public:
    CMRVFrameSet();
    CMRVFrameSet(const CMRVFrameSet&) = delete;
    CMRVFrameSet& operator=(const CMRVFrameSet&) = delete;

    // Reads the file (a game path such as ".\content\ave\top.mrm"). 1 on success; 0 when it
    // cannot be opened or is truncated or inconsistent, leaving the set empty.
    BOOL Load(const char* pszPath);
    // The same checks on a file image already in memory; the bytes are copied.
    BOOL LoadFromMemory(const BYTE* pData, size_t nSize);
    // Forgets the file: no frames, frame rate 0.
    void Clear();

    int GetFrameRate() const { return m_nFrameRate; }
    int GetFrameCount() const { return static_cast<int>(m_Frames.size()); }
    // The record of frame nIndex and its length (the entry's L) in *pSize; null (and size 0)
    // for an index outside 0 to GetFrameCount() - 1. Valid until the next Load or Clear.
    const BYTE* GetFrameRecord(int nIndex, size_t* pSize) const;

private:
    BOOL ParseFrames();

    std::vector<BYTE> m_Data;            // the whole file
    std::vector<MRVFrameEntry> m_Frames; // each frame's record in m_Data
    int m_nFrameRate;
};
