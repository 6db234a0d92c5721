// MRVImage.cpp: loading, making and decoding packed image records.
//
// A record is a 20-byte little-endian header (magic, flags, width, height, buffer size, data
// size) followed by data size bytes of payload. The pixel buffer is always buffer size bytes;
// a compressed payload is decoded into a scratch buffer block by block and copied back over
// it, so decoding never reallocates. Records are checked (assets/MRVRecord.h) before anything is
// allocated or copied, so a damaged file fails to load instead of reading or writing past a
// buffer or asking for more memory than its picture and its stored bytes can fill.
#include "graphics/MRVImage.h"

#include "assets/MRVDecompressor.h"
#include "platform/GamePath.h"
#include "trace/DebugTrace.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

namespace
{

// Bytes from the stream's position to its end, the position left where it was; 0 when the
// stream cannot tell (a record is only read from a file whose length is known).
uint64_t BytesLeft(FILE* pFile)
{
    const long nHere = std::ftell(pFile);
    if (nHere < 0 || std::fseek(pFile, 0, SEEK_END) != 0)
        return 0;
    const long nEnd = std::ftell(pFile);
    if (std::fseek(pFile, nHere, SEEK_SET) != 0 || nEnd < nHere)
        return 0;
    return static_cast<uint64_t>(nEnd - nHere);
}

} // namespace

CMRVImage::CMRVImage()
    : m_szMagic{0, 0, 0, 0}, m_dwFlags(MRVIMAGE_RAW), m_wWidth(0), m_wHeight(0), m_dwBufferSize(0),
      m_dwDataSize(0), m_dwRedMask(0), m_dwGreenMask(0), m_dwBlueMask(0), m_pPixels(nullptr),
      m_pColumnOffsets(nullptr)
{
}

CMRVImage::~CMRVImage()
{
    delete[] m_pPixels;
    delete[] m_pColumnOffsets;
}

void CMRVImage::Reset()
{
    std::memset(m_szMagic, 0, sizeof(m_szMagic));
    m_wWidth = m_wHeight = 0;
    m_dwBufferSize = m_dwDataSize = 0;
    m_dwRedMask = m_dwGreenMask = m_dwBlueMask = 0;
    m_dwFlags = MRVIMAGE_RAW;
    delete[] m_pPixels;
    m_pPixels = nullptr;
    delete[] m_pColumnOffsets;
    m_pColumnOffsets = nullptr;
}

BOOL CMRVImage::ReadHeader(const BYTE* pHeader, uint64_t nPayloadBytes)
{
    MRVRecordHeader header;
    ReadRecordHeader(pHeader, &header);
    std::memcpy(m_szMagic, header.magic, sizeof(m_szMagic));
    m_dwFlags = header.dwFlags;
    m_wWidth = header.wWidth;
    m_wHeight = header.wHeight;
    m_dwBufferSize = header.dwBufferSize;
    m_dwDataSize = header.dwDataSize;
    return CheckRecord(header, nPayloadBytes) == MRVRECORD_OK;
}

BOOL CMRVImage::AllocatePixels()
{
    // Not cleared: the payload or the decoder's output fills it.
    m_pPixels = new (std::nothrow) BYTE[m_dwBufferSize];
    return m_pPixels != nullptr;
}

BOOL CMRVImage::Load(const char* pszPath)
{
    Reset();
    if (!pszPath)
        return FALSE;
    FILE* pFile = std::fopen(Platform::NativePath(pszPath).c_str(), "rb");
    if (!pFile)
        return FALSE;

    // The header is checked against the bytes the file holds before the buffer is allocated.
    BYTE header[MRVIMAGE_HEADER_SIZE];
    const BOOL bLoaded = std::fread(header, 1, sizeof(header), pFile) == sizeof(header) &&
                         ReadHeader(header, BytesLeft(pFile)) && AllocatePixels() &&
                         std::fread(m_pPixels, 1, m_dwDataSize, pFile) == m_dwDataSize;
    std::fclose(pFile);
    if (!bLoaded)
    {
        Reset();
        DebugTrace("Error: Invalid image record %s in CMRVImage::Load", pszPath);
        return FALSE;
    }
    return TRUE;
}

BOOL CMRVImage::LoadRecord(const BYTE* pRecord, size_t nRecordSize)
{
    Reset();
    const BOOL bLoaded = pRecord && nRecordSize >= MRVIMAGE_HEADER_SIZE &&
                         ReadHeader(pRecord, nRecordSize - MRVIMAGE_HEADER_SIZE) && AllocatePixels();
    if (!bLoaded)
    {
        Reset();
        DebugTrace("Error: Invalid image record in CMRVImage::LoadFromMemory");
        return FALSE;
    }
    std::memcpy(m_pPixels, pRecord + MRVIMAGE_HEADER_SIZE, m_dwDataSize);
    return TRUE;
}

BOOL CMRVImage::LoadFromMemory(const BYTE* pRecord)
{
    // The caller vouches that the whole record is there; only the header can be checked.
    return LoadRecord(pRecord, SIZE_MAX);
}

BOOL CMRVImage::LoadFromMemory(const BYTE* pRecord, size_t nRecordSize)
{
    return LoadRecord(pRecord, nRecordSize);
}

BOOL CMRVImage::Create(int nWidth, int nHeight, BOOL bTransparent)
{
    Reset();
    std::memcpy(m_szMagic, "MRVX", sizeof(m_szMagic));
    m_dwFlags = bTransparent ? (MRVIMAGE_RAW | MRVIMAGE_COLORKEY) : MRVIMAGE_RAW;
    m_wWidth = static_cast<WORD>(nWidth);
    m_wHeight = static_cast<WORD>(nHeight);
    m_dwBufferSize = m_dwDataSize = static_cast<DWORD>(m_wWidth) * m_wHeight * 2;
    if (!AllocatePixels())
    {
        Reset();
        return FALSE;
    }
    std::memset(m_pPixels, 0, m_dwBufferSize);
    return TRUE;
}

BOOL CMRVImage::DecodePayload(BYTE* pOut) const
{
    if (!m_pPixels)
        return FALSE;
    CMRVDecompressor decompressor;
    DWORD dwOutLeft = m_dwBufferSize;
    DWORD dwInLeft = m_dwDataSize;
    // The first block fails at once on an empty payload. Every block reads input, so the loop
    // ends; the check on progress only guards against a decoder that would not.
    do
    {
        const DWORD dwInBefore = dwInLeft;
        BYTE* pBlockOut = pOut + (m_dwBufferSize - dwOutLeft);
        const BYTE* pBlockIn = m_pPixels + (m_dwDataSize - dwInLeft);
        if (!decompressor.DecodeBlock(pBlockOut, &dwOutLeft, pBlockIn, &dwInLeft) || dwInLeft >= dwInBefore)
            return FALSE;
    } while (dwInLeft != 0);
    return TRUE;
}

BOOL CMRVImage::Decompress(BYTE* pScratch)
{
    BYTE* pTemporary = nullptr;
    BYTE* pOut = pScratch;
    if (!pOut)
    {
        // Cleared, so that a payload whose blocks produce fewer bytes than buffer size still
        // gives the same pixels every time.
        pTemporary = new (std::nothrow) BYTE[m_dwBufferSize]();
        if (!pTemporary)
            return FALSE;
        pOut = pTemporary;
    }
    const BOOL bDecoded = DecodePayload(pOut);
    if (bDecoded)
    {
        // The whole buffer, however many bytes the blocks produced.
        std::memcpy(m_pPixels, pOut, m_dwBufferSize);
        m_dwDataSize = m_dwBufferSize;
        m_dwFlags &= ~static_cast<DWORD>(MRVIMAGE_COMPRESSED);
    }
    delete[] pTemporary;
    return bDecoded;
}
