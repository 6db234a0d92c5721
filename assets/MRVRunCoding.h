// MRVRunCoding.h: the run-coded pixel layout, read in one place by the drawing walk, pixel
// conversion, mrvtool and the content checks.
//
// A run-coded payload is a list of records: a type byte (0 transparent run, 1 opaque run,
// 2 end of the list), a reserved byte, a 32-bit little-endian count of positions, and for an
// opaque run count 16-bit pixels. The runs cover the picture's positions in row-major order
// and may carry on from one row into the next; a well-formed list covers them all exactly,
// with no empty run, and ends with an end record.
//
// CRunReader hands out the records one by one and never reads past the payload; the drawing
// code draws whatever a damaged list describes up to the first record that makes no sense.
// DecodeRunList applies every rule and says which one a list breaks.
#pragma once

#include "platform/ByteOrder.h"
#include "platform/WinTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace MRVRunCoding
{

constexpr size_t RUN_HEADER_SIZE = 6;
constexpr size_t RUN_PIXEL_SIZE = 2;
enum : BYTE
{
    RUN_TRANSPARENT = 0,
    RUN_OPAQUE = 1,
    RUN_END = 2,
};

// The largest payload nWidth x nHeight positions can need: every position an opaque run of
// its own, then the end record.
constexpr uint64_t MaxPayloadSize(uint64_t nWidth, uint64_t nHeight)
{
    return nWidth * nHeight * (RUN_HEADER_SIZE + RUN_PIXEL_SIZE) + RUN_HEADER_SIZE;
}

// Why a run list is refused; RUNFAULT_NONE when it is not.
enum RunFault
{
    RUNFAULT_NONE,
    RUNFAULT_NO_END,            // the payload ends without an end record
    RUNFAULT_RECORD_CUT_SHORT,  // a run's header is cut short by the end of the payload
    RUNFAULT_UNKNOWN_TYPE,      // a type other than 0, 1 or 2
    RUNFAULT_PIXELS_CUT_SHORT,  // an opaque run's pixels are cut short
    RUNFAULT_EMPTY_RUN,         // a run of 0 positions
    RUNFAULT_PAST_PICTURE,      // a run reaches past the picture's last position
    RUNFAULT_TOO_FEW_POSITIONS, // the list ends before the picture's last position
};

// A short text for the fault, without numbers.
const char* RunFaultText(RunFault fault);

// One transparent or opaque run.
struct Run
{
    BYTE nType;          // RUN_TRANSPARENT or RUN_OPAQUE
    uint32_t nCount;     // positions it covers
    size_t nPixelOffset; // opaque run: offset of its first pixel in the payload
    uint32_t nPresent;   // opaque run: pixels present in the payload (count unless cut short)
};

class CRunReader
{
public:
    CRunReader(const BYTE* pPayload, size_t nSize) : m_pPayload(pPayload), m_nSize(pPayload ? nSize : 0) {}

    // The next run. False at the end record, and where the list stops making sense (Fault()
    // says why); an opaque run whose pixels are cut short is still handed out with the pixels
    // present, and is the last.
    bool Next(Run& run)
    {
        if (m_fault != RUNFAULT_NONE || m_bEnded)
            return false;
        m_nRecordOffset = m_nOffset;
        const size_t nLeft = m_nSize - m_nOffset;
        if (nLeft == 0)
            return Stop(RUNFAULT_NO_END);
        const BYTE* p = m_pPayload + m_nOffset;
        if (p[0] == RUN_END)
        {
            m_bEnded = true;
            return false;
        }
        if (p[0] != RUN_TRANSPARENT && p[0] != RUN_OPAQUE)
            return Stop(RUNFAULT_UNKNOWN_TYPE);
        if (nLeft < RUN_HEADER_SIZE)
            return Stop(RUNFAULT_RECORD_CUT_SHORT);
        run.nType = p[0];
        run.nCount = Platform::ReadLE32(p + 2);
        m_nOffset += RUN_HEADER_SIZE;
        run.nPixelOffset = m_nOffset;
        run.nPresent = 0;
        if (run.nType == RUN_OPAQUE)
        {
            const uint64_t nRoom = (m_nSize - m_nOffset) / RUN_PIXEL_SIZE;
            run.nPresent = static_cast<uint32_t>(std::min<uint64_t>(run.nCount, nRoom));
            m_nOffset += static_cast<size_t>(run.nPresent) * RUN_PIXEL_SIZE;
            if (run.nPresent < run.nCount)
                m_fault = RUNFAULT_PIXELS_CUT_SHORT;
        }
        return true;
    }

    RunFault Fault() const { return m_fault; }
    // Offset of the record read last: the run handed out, or the record that stopped the reader.
    size_t RecordOffset() const { return m_nRecordOffset; }

private:
    bool Stop(RunFault fault)
    {
        m_fault = fault;
        return false;
    }

    const BYTE* m_pPayload;
    size_t m_nSize;
    size_t m_nOffset = 0;
    size_t m_nRecordOffset = 0;
    RunFault m_fault = RUNFAULT_NONE;
    bool m_bEnded = false;
};

// Where a checked walk stopped.
struct RunListCheck
{
    RunFault fault = RUNFAULT_NONE;
    size_t nOffset = 0;     // of the offending record
    uint64_t nPosition = 0; // positions covered before it
    uint32_t nCount = 0;    // its count, for a run that does not fit
};

// Walks a list that must cover exactly nPositions positions, calling
// fnOpaque(nPosition, pPixels, nCount) for every opaque run (pixels little-endian, unaligned).
// Returns the check; fnOpaque has been called for the runs before a fault only.
template <class Fn>
RunListCheck DecodeRunList(const BYTE* pPayload, size_t nSize, uint64_t nPositions, Fn&& fnOpaque)
{
    RunListCheck check;
    CRunReader reader(pPayload, nSize);
    Run run;
    while (reader.Next(run))
    {
        check.nOffset = reader.RecordOffset();
        check.nCount = run.nCount;
        if (run.nType == RUN_OPAQUE && run.nPresent < run.nCount)
            check.fault = RUNFAULT_PIXELS_CUT_SHORT;
        else if (run.nCount == 0)
            check.fault = RUNFAULT_EMPTY_RUN;
        else if (run.nCount > nPositions - check.nPosition)
            check.fault = RUNFAULT_PAST_PICTURE;
        if (check.fault != RUNFAULT_NONE)
            return check;
        if (run.nType == RUN_OPAQUE)
            fnOpaque(check.nPosition, pPayload + run.nPixelOffset, run.nCount);
        check.nPosition += run.nCount;
    }
    check.nOffset = reader.RecordOffset();
    check.fault = reader.Fault();
    if (check.fault == RUNFAULT_NONE && check.nPosition != nPositions)
        check.fault = RUNFAULT_TOO_FEW_POSITIONS;
    return check;
}

} // namespace MRVRunCoding
