// MRVFrameSet.cpp: reading .mrm frame-set files and checking their framing.
#include "assets/MRVFrameSet.h"

#include "assets/MRVRecord.h"
#include "trace/DebugTrace.h"
#include "platform/GamePath.h"

#include <cstdio>

namespace
{

DWORD ReadLE32(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

int ReadLE16(const BYTE* p)
{
    return p[0] | (p[1] << 8);
}

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

CMRVFrameSet::CMRVFrameSet() : m_nFrameRate(0)
{
}

void CMRVFrameSet::Clear()
{
    std::vector<BYTE>().swap(m_Data);
    m_FrameOffsets.clear();
    m_FrameSizes.clear();
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
    const size_t nSize = m_Data.size();
    if (nSize < MRVFRAMESET_HEADER_SIZE)
        return FALSE;
    const BYTE* pData = m_Data.data();
    const int nFrameCount = ReadLE16(pData + 6);
    size_t nOffset = MRVFRAMESET_HEADER_SIZE;
    for (int i = 0; i < nFrameCount; ++i)
    {
        if (nSize - nOffset < 4)
            return FALSE;
        const DWORD dwLength = ReadLE32(pData + nOffset);
        nOffset += 4;
        if (dwLength < MRVIMAGE_HEADER_SIZE || dwLength > nSize - nOffset)
            return FALSE;
        // The entry must hold exactly its record: header plus the payload it announces.
        const DWORD dwDataSize = ReadLE32(pData + nOffset + 16);
        if (dwDataSize != dwLength - MRVIMAGE_HEADER_SIZE)
            return FALSE;
        m_FrameOffsets.push_back(nOffset);
        m_FrameSizes.push_back(dwLength);
        nOffset += dwLength;
    }
    m_nFrameRate = ReadLE16(pData + 4);
    return TRUE;
}

const BYTE* CMRVFrameSet::GetFrameRecord(int nIndex, size_t* pSize) const
{
    const bool bValid = nIndex >= 0 && nIndex < GetFrameCount();
    if (pSize)
        *pSize = bValid ? m_FrameSizes[nIndex] : 0;
    return bValid ? m_Data.data() + m_FrameOffsets[nIndex] : nullptr;
}
