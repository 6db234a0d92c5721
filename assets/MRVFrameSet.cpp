// MRVFrameSet.cpp: reading .mrm frame-set files and checking their framing.
#include "assets/MRVFrameSet.h"

#include "assets/MRVRecord.h"
#include "platform/ByteOrder.h"
#include "platform/GamePath.h"
#include "trace/DebugTrace.h"

#include <cstdio>
#include <utility>

namespace
{

// Appends everything left in the stream; false on a read error.
bool ReadWholeStream(FILE* pFile, std::vector<BYTE>* pOut)
{
    BYTE chunk[65536];
    size_t nRead = 0;
    while ((nRead = std::fread(chunk, 1, sizeof(chunk), pFile)) > 0)
        pOut->insert(pOut->end(), chunk, chunk + nRead);
    return std::ferror(pFile) == 0;
}

} // namespace

const char* FrameSetFaultText(MRVFrameSetFault fault)
{
    switch (fault)
    {
    case MRVFRAMESET_OK:
        return "a valid frame set";
    case MRVFRAMESET_HEADER_CUT_SHORT:
        return "shorter than the 8-byte header";
    case MRVFRAMESET_LENGTH_CUT_SHORT:
        return "file ends before the entry's length";
    case MRVFRAMESET_PAST_END:
        return "entry's length runs past the end of the file";
    case MRVFRAMESET_SHORTER_THAN_HEADER:
        return "entry's length is shorter than a record header";
    case MRVFRAMESET_LENGTH_MISMATCH:
        return "entry's length does not match its record (20 + data size)";
    }
    return "unknown fault";
}

MRVFrameSetLayout ParseFrameSetLayout(const BYTE* pData, size_t nSize)
{
    MRVFrameSetLayout layout;
    if (pData == nullptr || nSize < MRVFRAMESET_HEADER_SIZE)
    {
        layout.fault = MRVFRAMESET_HEADER_CUT_SHORT;
        return layout;
    }
    layout.nFrameRate = Platform::ReadLE16(pData + 4);
    layout.nFrameCount = Platform::ReadLE16(pData + 6);
    size_t nOffset = MRVFRAMESET_HEADER_SIZE;
    for (int i = 0; i < layout.nFrameCount && layout.fault == MRVFRAMESET_OK; ++i)
    {
        layout.nBadFrame = i;
        if (nSize - nOffset < 4)
        {
            layout.fault = MRVFRAMESET_LENGTH_CUT_SHORT;
            break;
        }
        const DWORD dwLength = Platform::ReadLE32(pData + nOffset);
        nOffset += 4;
        if (dwLength > nSize - nOffset)
            layout.fault = MRVFRAMESET_PAST_END;
        else if (dwLength < MRVIMAGE_HEADER_SIZE)
            layout.fault = MRVFRAMESET_SHORTER_THAN_HEADER;
        // The entry must hold exactly its record: header plus the payload it announces.
        else if (Platform::ReadLE32(pData + nOffset + 16) != dwLength - MRVIMAGE_HEADER_SIZE)
            layout.fault = MRVFRAMESET_LENGTH_MISMATCH;
        else
            layout.frames.push_back(MRVFrameEntry{nOffset, dwLength});
        nOffset += dwLength;
    }
    if (layout.fault == MRVFRAMESET_OK)
        layout.nBadFrame = -1;
    else
        layout.frames.clear();
    return layout;
}

CMRVFrameSet::CMRVFrameSet() : m_nFrameRate(0) {}

void CMRVFrameSet::Clear()
{
    std::vector<BYTE>().swap(m_Data);
    m_Frames.clear();
    m_nFrameRate = 0;
}

BOOL CMRVFrameSet::Load(const char* pszPath)
{
    Clear();
    if (!pszPath)
        return FALSE;
    FILE* pFile = std::fopen(Platform::NativePath(pszPath).c_str(), "rb");
    if (!pFile)
        return FALSE;
    const bool bRead = ReadWholeStream(pFile, &m_Data);
    std::fclose(pFile);
    if (!bRead || !ParseFrames())
    {
        Clear();
        DebugTrace("Error: Invalid frame set %s in CMRVFrameSet::Load", pszPath);
        return FALSE;
    }
    return TRUE;
}

BOOL CMRVFrameSet::LoadFromMemory(const BYTE* pData, size_t nSize)
{
    Clear();
    if (pData)
        m_Data.assign(pData, pData + nSize);
    if (!pData || !ParseFrames())
    {
        Clear();
        DebugTrace("Error: Invalid frame set in CMRVFrameSet::LoadFromMemory");
        return FALSE;
    }
    return TRUE;
}

BOOL CMRVFrameSet::ParseFrames()
{
    MRVFrameSetLayout layout = ParseFrameSetLayout(m_Data.data(), m_Data.size());
    if (layout.fault != MRVFRAMESET_OK)
        return FALSE;
    m_Frames = std::move(layout.frames);
    m_nFrameRate = layout.nFrameRate;
    return TRUE;
}

const BYTE* CMRVFrameSet::GetFrameRecord(int nIndex, size_t* pSize) const
{
    const bool bValid = nIndex >= 0 && nIndex < GetFrameCount();
    if (pSize)
        *pSize = bValid ? m_Frames[nIndex].nSize : 0;
    return bValid ? m_Data.data() + m_Frames[nIndex].nOffset : nullptr;
}
