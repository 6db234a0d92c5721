// RunCodedWalk.h: the walk over a run-coded payload shared by drawing, blending and pixel
// conversion.
//
// The payload is a list of records: type byte (0 transparent, 1 opaque, 2 end), a reserved
// byte, a 32-bit little-endian count, and for opaque runs count 16-bit pixels. The runs cover
// the picture's positions in row-major order and may carry over from one row to the next.
// The walk trusts nothing in the records: it never reads past nSize bytes, never reports a
// position outside width x height, and ends at an end record, an unknown type, a record cut
// short by the end of the payload, or the last position.
#pragma once

#include "platform/WinTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace MRVDraw
{

constexpr size_t RUN_HEADER_SIZE = 6;
enum : BYTE
{
    RUN_TRANSPARENT = 0,
    RUN_OPAQUE = 1,
    RUN_END = 2,
};

inline uint32_t ReadRunCount(const BYTE* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

// Calls fn(x, y, pPixels + k, n) for the pixels of positions nFrom to nTo - 1 (row-major,
// nWidth to a row), one call per row they touch. One division finds the first row; the
// rest follow by stepping.
template <class Fn>
void EmitRowPieces(WORD* pPixels, uint64_t nFrom, uint64_t nTo, uint64_t nWidth, Fn& fn)
{
    int y = static_cast<int>(nFrom / nWidth);
    uint64_t x = nFrom - static_cast<uint64_t>(y) * nWidth;
    for (uint64_t nPos = nFrom; nPos < nTo; x = 0, ++y)
    {
        const uint64_t n = std::min(nTo - nPos, nWidth - x);
        fn(static_cast<int>(x), y, pPixels, static_cast<int>(n));
        pPixels += n;
        nPos += n;
    }
}

// Calls fn(x, y, pPixels, n) for each piece of an opaque run that lies in one row of rows
// nStartRow to nStopRow - 1: n pixels for positions (x, y) to (x + n - 1, y). The pixels
// point into the payload, so fn may rewrite them. A run above nStartRow costs one header
// read whatever its length, and the walk stops at the first position in row nStopRow or
// below: a caller drawing a rectangle has nothing to do outside its rows.
template <class Fn>
void WalkOpaqueRuns(BYTE* pPayload, size_t nSize, int nWidth, int nHeight, int nStartRow, int nStopRow, Fn&& fn)
{
    if (pPayload == nullptr || nWidth <= 0 || nHeight <= 0)
        return;
    const uint64_t nRowLength = static_cast<uint64_t>(nWidth);
    const uint64_t nStart = static_cast<uint64_t>(std::clamp(nStartRow, 0, nHeight)) * nRowLength;
    const uint64_t nStop = static_cast<uint64_t>(std::clamp(nStopRow, 0, nHeight)) * nRowLength;
    uint64_t nPos = 0;
    size_t nOffset = 0;
    while (nPos < nStop && nSize - nOffset >= RUN_HEADER_SIZE)
    {
        const BYTE nType = pPayload[nOffset];
        if (nType != RUN_TRANSPARENT && nType != RUN_OPAQUE)
            return;
        const uint64_t nCount = ReadRunCount(pPayload + nOffset + 2);
        nOffset += RUN_HEADER_SIZE;
        if (nType == RUN_TRANSPARENT)
        {
            nPos += nCount;
            continue;
        }
        // Pixels present in the payload, and the part of them that lands in the wanted rows.
        const uint64_t nPresent = std::min<uint64_t>(nCount, (nSize - nOffset) / 2);
        const uint64_t nFrom = std::max(nPos, nStart);
        const uint64_t nTo = std::min(nPos + nPresent, nStop);
        if (nFrom < nTo)
            EmitRowPieces(reinterpret_cast<WORD*>(pPayload + nOffset) + (nFrom - nPos), nFrom, nTo, nRowLength, fn);
        if (nPresent < nCount)
            return; // the run is cut short by the end of the payload
        nOffset += static_cast<size_t>(nCount) * 2;
        nPos += nCount;
    }
}

// The walk over every row from the top down to, not including, nStopRow.
template <class Fn>
void WalkOpaqueRuns(BYTE* pPayload, size_t nSize, int nWidth, int nHeight, int nStopRow, Fn&& fn)
{
    WalkOpaqueRuns(pPayload, nSize, nWidth, nHeight, 0, nStopRow, fn);
}

} // namespace MRVDraw
