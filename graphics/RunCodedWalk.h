// RunCodedWalk.h: the walk over a run-coded payload shared by drawing, blending and pixel
// conversion.
//
// The records are read by MRVRunCoding::CRunReader (assets/MRVRunCoding.h), which trusts
// nothing in them: the walk never reads past nSize bytes, never reports a position outside
// width x height, and ends at an end record, an unknown type, a record cut short by the end
// of the payload, or the last position. What a damaged list describes before that is drawn.
#pragma once

#include "assets/MRVRunCoding.h"
#include "platform/WinTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace MRVDraw
{

// Calls fn(x, y, pPixels + k, n) for the pixels of positions nFrom to nTo - 1 (row-major,
// nWidth to a row), one call per row they touch. One division finds the first row; the
// rest follow by stepping.
template <class Fn> void EmitRowPieces(WORD* pPixels, uint64_t nFrom, uint64_t nTo, uint64_t nWidth, Fn& fn)
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
void WalkOpaqueRuns(BYTE* pPayload, size_t nSize, int nWidth, int nHeight, int nStartRow, int nStopRow,
                    Fn&& fn)
{
    if (pPayload == nullptr || nWidth <= 0 || nHeight <= 0)
        return;
    const uint64_t nRowLength = static_cast<uint64_t>(nWidth);
    const uint64_t nStart = static_cast<uint64_t>(std::clamp(nStartRow, 0, nHeight)) * nRowLength;
    const uint64_t nStop = static_cast<uint64_t>(std::clamp(nStopRow, 0, nHeight)) * nRowLength;
    MRVRunCoding::CRunReader reader(pPayload, nSize);
    MRVRunCoding::Run run;
    uint64_t nPos = 0;
    while (nPos < nStop && reader.Next(run))
    {
        if (run.nType == MRVRunCoding::RUN_OPAQUE)
        {
            // The part of the pixels present that lands in the wanted rows.
            const uint64_t nFrom = std::max(nPos, nStart);
            const uint64_t nTo = std::min(nPos + run.nPresent, nStop);
            if (nFrom < nTo)
                EmitRowPieces(reinterpret_cast<WORD*>(pPayload + run.nPixelOffset) + (nFrom - nPos), nFrom,
                              nTo, nRowLength, fn);
        }
        nPos += run.nCount;
    }
}

// The walk over every row from the top down to, not including, nStopRow.
template <class Fn>
void WalkOpaqueRuns(BYTE* pPayload, size_t nSize, int nWidth, int nHeight, int nStopRow, Fn&& fn)
{
    WalkOpaqueRuns(pPayload, nSize, nWidth, nHeight, 0, nStopRow, fn);
}

} // namespace MRVDraw
