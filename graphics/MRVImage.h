// MRVImage.h: one picture in memory, as stored in a packed image record.
//
// The record header (20 bytes, little-endian) is laid out exactly as in .mri files and .mrm
// frame entries, so one read fills it. Loading, making and decoding records lives in
// MRVImage.cpp; pixel conversion and the drawing operations in the other files of this folder.
#pragma once

#include "assets/MRVRecord.h"
#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>

class CMRVImage
{
public:
    CMRVImage();
    ~CMRVImage();
    CMRVImage(const CMRVImage&) = delete;
    CMRVImage& operator=(const CMRVImage&) = delete;

    // Records (MRVImage.cpp).
    // Every loader refuses a record that breaks the rules of assets/MRVRecord.h (data size
    // above buffer size, an uncompressed payload that does not fill its buffer, a buffer size
    // the picture's layout or the stored stream cannot fill, fewer bytes than the header
    // announces) before allocating anything. A refused load returns 0 and leaves the image
    // empty (0 x 0, no pixels).

    // Fills the image from a .mri file; the payload stays as stored (compressed if flagged).
    BOOL Load(const char* pszPath);
    // Fills the image from a record in memory whose extent the caller vouches for.
    BOOL LoadFromMemory(const BYTE* pRecord);
    // Same, for a record of nRecordSize bytes (a frame-set entry): the payload must lie inside.
    BOOL LoadFromMemory(const BYTE* pRecord, size_t nRecordSize);
    // A blank raw image of zero pixels (flags 2, or 6 when bTransparent).
    BOOL Create(int nWidth, int nHeight, BOOL bTransparent);
    // Decodes the compressed payload in place. pScratch is null or a caller buffer of at least
    // buffer size bytes. On failure (a corrupt stream) the image is left exactly as it was.
    BOOL Decompress(BYTE* pScratch);

    // Pixels and drawing (PixelFormat.cpp, MRVImageDraw.cpp, MRVImageEffects.cpp).
    void ConvertPixelFormat(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);
    void Blit(WORD* pDest, LONG nPitch, int dx, int dy, int sx, int sy, int w, int h) const;
    void BlitTo(CMRVImage* pTarget, int dx, int dy, int sx, int sy, int w, int h) const;
    void BlendBlit(WORD* pDest, LONG nPitch, int dx, int dy, int sx, int sy, int w, int h, int nAlpha) const;
    void BlendTo(CMRVImage* pTarget, int dx, int dy, int sx, int sy, int w, int h, int nAlpha) const;
    void WaveBlit(WORD* pDest, LONG nPitch, int dx, int dy, int sx, int sy, int w, int h) const;
    void WaveTo(CMRVImage* pTarget, int dx, int dy, int sx, int sy, int w, int h) const;
    void ColumnShiftBlit(WORD* pDest, LONG nPitch, int dx, int dy, int sx, int sy, int w, int h) const;
    void ColumnShiftTo(CMRVImage* pTarget, int dx, int dy, int sx, int sy, int w, int h) const;
    CMRVImage* CopyTo(CMRVImage* pTarget);
    void CopyToSurface(WORD* pDest, LONG nPitch) const;

    // Accessors.
    DWORD GetFlags() const { return m_dwFlags; }
    int GetWidth() const { return m_wWidth; }
    int GetHeight() const { return m_wHeight; }
    DWORD GetBufferSize() const { return m_dwBufferSize; }
    DWORD GetDataSize() const { return m_dwDataSize; }
    BYTE* GetPixels() const { return m_pPixels; }
    WORD* GetPixelWords() const { return reinterpret_cast<WORD*>(m_pPixels); }
    BOOL IsCompressed() const { return (m_dwFlags & MRVIMAGE_COMPRESSED) != 0; }
    DWORD GetRedMask() const { return m_dwRedMask; }

    // Record header, in file order (20 bytes).
    char m_szMagic[4];
    DWORD m_dwFlags;
    WORD m_wWidth;
    WORD m_wHeight;
    DWORD m_dwBufferSize;
    DWORD m_dwDataSize;

    // Masks last given to ConvertPixelFormat; 0 until then.
    DWORD m_dwRedMask;
    DWORD m_dwGreenMask;
    DWORD m_dwBlueMask;

    BYTE* m_pPixels;           // owned, m_dwBufferSize bytes, or null
    int32_t* m_pColumnOffsets; // owned, optional: (unused, vertical offset) pairs per column

private:
    void Reset();
    BOOL LoadRecord(const BYTE* pRecord, size_t nRecordSize);
    // Fills the header fields; TRUE when the record keeps the rules with nPayloadBytes bytes
    // after its header.
    BOOL ReadHeader(const BYTE* pHeader, uint64_t nPayloadBytes);
    BOOL AllocatePixels();
    BOOL DecodePayload(BYTE* pOut) const;
};
