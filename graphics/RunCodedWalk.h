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

// Calls fn(x, y, pPixels, n) for each piece of an opaque run that lies in one row: n pixels
// for positions (x, y) to (x + n - 1, y). The pixels point into the payload, so fn may
// rewrite them. The walk stops before the first position in row nStopRow or below, since a
// caller drawing a rectangle has nothing to do there.
template <class Fn>
void WalkOpaqueRuns(BYTE* pPayload, size_t nSize, int nWidth, int nHeight, int nStopRow, Fn&& fn)
{
    if (pPayload == nullptr || nWidth <= 0 || nHeight <= 0)
        return;
    const uint64_t nStop = static_cast<uint64_t>(std::clamp(nStopRow, 0, nHeight)) * static_cast<uint64_t>(nWidth);
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
        // Pixels present in the payload, and the part of them that lands inside the picture
        // above the stop row.
        const uint64_t nPresent = std::min<uint64_t>(nCount, (nSize - nOffset) / 2);
        const uint64_t nDrawn = std::min(nPresent, nStop - nPos);
        WORD* pPixels = reinterpret_cast<WORD*>(pPayload + nOffset);
        for (uint64_t nDone = 0; nDone < nDrawn;)
        {
            const int x = static_cast<int>(nPos % static_cast<uint64_t>(nWidth));
            const int y = static_cast<int>(nPos / static_cast<uint64_t>(nWidth));
            const int n = static_cast<int>(std::min<uint64_t>(nDrawn - nDone, static_cast<uint64_t>(nWidth - x)));
            fn(x, y, pPixels + nDone, n);
            nDone += static_cast<uint64_t>(n);
            nPos += static_cast<uint64_t>(n);
        }
        if (nPresent < nCount)
            return; // the run is cut short by the end of the payload
        nOffset += static_cast<size_t>(nCount) * 2;
        nPos += nCount - nDrawn;
    }
}

} // namespace MRVDraw
