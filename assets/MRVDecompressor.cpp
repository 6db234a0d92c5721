// MRVDecompressor.cpp: the payload decoder.
//
// The stream is read most significant bit first. The reader keeps up to 64 bits ahead in a
// register; near the end of the input it pads with zero bits and the consumed-bit count decides
// whether a symbol really had the input it needed. Output history is kept in the caller's
// buffer while a block is decoded; only the last 64 KB are copied into the window when a call
// ends, so matches inside one block copy straight from the output.
#include "assets/MRVDecompressor.h"

#include <algorithm>
#include <cstring>

using namespace MRVCodec;

namespace
{

constexpr int PEEK_BITS = CLASS_BITS + MAX_CLASS_WIDTH; // class and extra bits of any code
constexpr uint32_t DECODE_TABLE_SIZE = 1u << PEEK_BITS;
constexpr uint32_t INVALID_ENTRY = 0xFFFFu;

uint64_t LoadBigEndian64(const BYTE* p)
{
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    uint64_t v;
    std::memcpy(&v, p, sizeof(v));
    return __builtin_bswap64(v);
#else
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | p[i];
    return v;
#endif
}

void Copy8(BYTE* pTo, const BYTE* pFrom)
{
    uint64_t v;
    std::memcpy(&v, pFrom, sizeof(v));
    std::memcpy(pTo, &v, sizeof(v));
}

void Copy4(BYTE* pTo, const BYTE* pFrom)
{
    uint32_t v;
    std::memcpy(&v, pFrom, sizeof(v));
    std::memcpy(pTo, &v, sizeof(v));
}

// Writes nLength bytes at p, each equal to the byte nDistance before it (all of which lie in
// the output), and returns the end. Writes nothing past p + nLength: bytes after the decoded
// data must keep what the caller's buffer held.
BYTE* CopyFromOutput(BYTE* p, uint32_t nLength, uint32_t nDistance)
{
    BYTE* const pNext = p + nLength;
    if (nDistance < 8)
    {
        if (nLength < 16)
        {
            for (; p != pNext; ++p)
                *p = *(p - nDistance);
            return pNext;
        }
        // After eight bytes one by one, the pattern repeats at a multiple of its period that
        // is at least 8, and the rest can move in 8-byte pieces.
        for (int i = 0; i < 8; ++i)
            p[i] = p[i - int(nDistance)];
        nDistance *= (8 + nDistance - 1) / nDistance;
        p += 8;
        nLength -= 8;
    }
    if (nLength < 8)
    {
        // Here the distance is at least 8, so the source lies wholly before p. Fewer than 4
        // bytes only remain after a match's first part came from the window.
        if (nLength < 4)
        {
            for (; p != pNext; ++p)
                *p = *(p - nDistance);
            return pNext;
        }
        Copy4(p, p - nDistance);
        Copy4(pNext - 4, pNext - 4 - nDistance);
        return pNext;
    }
    // Pieces of 8 bytes, the last one ending exactly at pNext (it may rewrite a few bytes with
    // the same values).
    BYTE* const pLast = pNext - 8;
    for (; p < pLast; p += 8)
        Copy8(p, p - nDistance);
    Copy8(pLast, pLast - nDistance);
    return pNext;
}

} // namespace

// Most-significant-bit-first reader over one call's input. nPos counts bytes taken into the
// register, including zero bytes supplied past the end; the consumed-bit count tells whether
// the stream has overrun its real input.
struct CMRVDecompressor::BitReader
{
    const BYTE* pIn;
    uint64_t nSize;
    uint64_t nPos;
    uint64_t qwBits; // valid bits at the top
    int nBits;
    bool bNearEnd; // the register may hold the last byte or padding past the end

    // Tops the register up to at least 56 bits.
    void Refill()
    {
        if (nPos + 8 <= nSize)
        {
            qwBits |= LoadBigEndian64(pIn + nPos) >> nBits;
            nPos += uint64_t(63 - nBits) >> 3;
            nBits |= 56;
            return;
        }
        bNearEnd = true;
        while (nBits <= 56)
        {
            const uint64_t nByte = nPos < nSize ? pIn[nPos] : 0;
            qwBits |= nByte << (56 - nBits);
            ++nPos;
            nBits += 8;
        }
    }

    // Takes n bits (0 to 32) from a register that holds at least n.
    uint32_t Take(int n)
    {
        if (n == 0)
            return 0;
        const uint32_t v = uint32_t(qwBits >> (64 - n));
        qwBits <<= n;
        nBits -= n;
        return v;
    }

    uint64_t Consumed() const { return nPos * 8 - uint64_t(nBits); }
};

struct CMRVDecompressor::OutputCursor
{
    BYTE* pStart;
    BYTE* p;
    BYTE* pEnd;
};

CMRVDecompressor::CMRVDecompressor()
    : m_pWindow(new BYTE[WINDOW_SIZE]()), m_dwWindowPos(0),
      m_pCounts(new WORD[SYMBOL_COUNT]()), m_nClassWidth{}, m_nClassFirst{},
      m_pCodeTable(new WORD[SYMBOL_COUNT]), m_dwBitBuffer(0), m_nBitCount(0),
      m_pDecodeTable(new uint32_t[DECODE_TABLE_SIZE])
{
    std::copy(INITIAL_CLASS_WIDTHS, INITIAL_CLASS_WIDTHS + CLASS_COUNT, m_nClassWidth);
    ComputeClassFirsts(m_nClassWidth, m_nClassFirst);
    InitCodeTable(m_pCodeTable);
    BuildDecodeTable();
}

CMRVDecompressor::~CMRVDecompressor()
{
    delete[] m_pWindow;
    delete[] m_pCounts;
    delete[] m_pCodeTable;
    delete[] m_pDecodeTable;
}

// Every possible 12-bit look-ahead maps to the symbol its leading code stands for and the code's
// length in bits; codes beyond the last symbol map to INVALID_ENTRY.
void CMRVDecompressor::BuildDecodeTable()
{
    for (int c = 0; c < CLASS_COUNT; ++c)
    {
        const int nWidth = m_nClassWidth[c];
        const uint32_t nLength = uint32_t(CLASS_BITS + nWidth) << 16;
        for (uint32_t nLow = 0; nLow < (1u << MAX_CLASS_WIDTH); ++nLow)
        {
            const int nCode = m_nClassFirst[c] + int(nLow >> (MAX_CLASS_WIDTH - nWidth));
            m_pDecodeTable[(uint32_t(c) << MAX_CLASS_WIDTH) | nLow] =
                nCode < SYMBOL_COUNT ? (m_pCodeTable[nCode] | nLength) : INVALID_ENTRY;
        }
    }
}

BOOL CMRVDecompressor::DecodeBlock(BYTE* pOut, DWORD* pOutLeft, const BYTE* pIn, DWORD* pInLeft)
{
    const DWORD dwInLeft = pInLeft ? *pInLeft : 0;
    const DWORD dwOutLeft = pOutLeft ? *pOutLeft : 0;
    m_nBitCount = 0;
    if (dwInLeft == 0 || pIn == nullptr)
        return FALSE;
    if (pOut == nullptr && dwOutLeft != 0)
        return FALSE;

    // The previous block's unread padding bits sit at the top of the register, where the first
    // byte of this block is merged into them.
    BitReader reader{pIn, dwInLeft, 0, uint64_t(m_dwBitBuffer) << 32, 0, false};
    OutputCursor out{pOut, pOut, pOut + dwOutLeft};

    const BOOL bDone = DecodeSymbols(reader, out);
    const uint32_t nWritten = uint32_t(out.p - out.pStart);
    StoreHistory(out.pStart, nWritten);
    if (!bDone)
        return FALSE;

    const uint64_t nConsumed = reader.Consumed();
    const uint64_t nBytesRead = (nConsumed + 7) / 8;
    m_nBitCount = int(nBytesRead * 8 - nConsumed);
    m_dwBitBuffer =
        m_nBitCount == 0 ? 0 : uint32_t(reader.qwBits >> 32) & (0xFFFFFFFFu << (32 - m_nBitCount));
    if (pOutLeft)
        *pOutLeft -= nWritten;
    if (pInLeft)
        *pInLeft -= DWORD(nBytesRead);
    return TRUE;
}

// Decodes symbols until the end-of-block symbol (TRUE) or a fault (FALSE). The reader and the
// output position live in locals while the loop runs: output bytes may alias anything, and
// locals whose address is never taken stay in registers across those stores.
BOOL CMRVDecompressor::DecodeSymbols(BitReader& reader, OutputCursor& out)
{
    // A symbol other than the end of the block must leave the last input byte unread; the end
    // symbol may use every byte. While the register holds only bytes before the last one, no
    // symbol can break the rule, so the check is only made near the end.
    const uint64_t nLimitOther = (reader.nSize - 1) * 8;
    const uint64_t nLimitEnd = reader.nSize * 8;
    const uint32_t* const pTable = m_pDecodeTable;
    WORD* const pCounts = m_pCounts;
    BYTE* const pStart = out.pStart;
    BYTE* const pEnd = out.pEnd;
    constexpr int MATCH_FIELD_BITS = MAX_CLASS_WIDTH + 3 + 6 + 9; // length extra and distance

    BitReader r = reader;
    BYTE* p = out.p;
    BOOL bResult = FALSE;
    for (;;)
    {
        r.Refill();
        // Runs of literals are decoded straight from the register until it runs low.
        uint32_t nSymbol;
        for (;;)
        {
            const uint32_t nEntry = pTable[r.qwBits >> (64 - PEEK_BITS)];
            if (nEntry == INVALID_ENTRY)
                goto done;
            nSymbol = nEntry & 0xFFFFu;
            r.Take(int(nEntry >> 16));
            ++pCounts[nSymbol];
            if (nSymbol >= FIRST_MATCH_SYMBOL)
                break;
            if (p == pEnd)
                goto done;
            *p++ = BYTE(nSymbol);
            if (r.bNearEnd && r.Consumed() > nLimitOther)
                goto done;
            if (r.nBits < PEEK_BITS)
                break;
        }
        if (nSymbol < FIRST_MATCH_SYMBOL)
            continue;

        if (nSymbol < SYMBOL_UPDATE)
        {
            if (r.nBits < MATCH_FIELD_BITS)
                r.Refill();
            uint32_t nLengthCode = nSymbol - FIRST_MATCH_SYMBOL;
            if (nSymbol >= FIRST_LONG_MATCH_SYMBOL)
            {
                const LengthCode& code = LONG_LENGTH_CODES[nSymbol - FIRST_LONG_MATCH_SYMBOL];
                nLengthCode = uint32_t(code.nBase) + r.Take(code.nExtraBits);
            }
            const DistanceCode& dist = DISTANCE_CODES[r.Take(3)];
            const uint32_t nDistance = uint32_t(dist.nBase) * 512 + r.Take(dist.nExtraBits + 9);
            BYTE* const pNext = CopyMatch(p, pStart, pEnd, nLengthCode + MIN_MATCH, nDistance);
            if (pNext == nullptr)
                goto done;
            p = pNext;
        }
        else if (nSymbol == SYMBOL_END)
        {
            bResult = r.Consumed() <= nLimitEnd;
            goto done;
        }
        else
        {
            reader = r;
            const BOOL bRead = ReadModelUpdate(reader);
            r = reader;
            if (!bRead)
                goto done;
        }
        if (r.bNearEnd && r.Consumed() > nLimitOther)
            goto done;
    }
done:
    reader = r;
    out.p = p;
    return bResult;
}

// Appends nLength bytes at p that repeat the output from nDistance bytes back and returns the
// new output position, or null when the output has no room. Bytes from before this call's
// output (pStart) come from the window. A distance of 0 is read as a full window back, so that
// rule-breaking streams still give a fixed result.
BYTE* CMRVDecompressor::CopyMatch(BYTE* p, const BYTE* pStart, const BYTE* pEnd, uint32_t nLength,
                                  uint32_t nDistance) const
{
    if (nLength > uint32_t(pEnd - p))
        return nullptr;
    if (nDistance == 0)
        nDistance = WINDOW_SIZE;

    const uint32_t nBack = uint32_t(p - pStart);
    if (nDistance > nBack)
    {
        const uint32_t nFromWindow = std::min(nLength, nDistance - nBack);
        const uint32_t nSlot = (m_dwWindowPos + nBack - nDistance) & WINDOW_MASK;
        const uint32_t nFirst = std::min(nFromWindow, WINDOW_SIZE - nSlot);
        std::memcpy(p, m_pWindow + nSlot, nFirst);
        std::memcpy(p + nFirst, m_pWindow, nFromWindow - nFirst);
        p += nFromWindow;
        nLength -= nFromWindow;
        if (nLength == 0)
            return p;
    }

    return CopyFromOutput(p, nLength, nDistance);
}

// Re-orders the code table by the counts gathered so far and reads the new class widths: for
// each class, the number of 0 bits before a 1 bit is added to the width. Widths above 8 are
// refused, as is a stream that runs out while the widths are read (the block could not end).
BOOL CMRVDecompressor::ReadModelUpdate(BitReader& reader)
{
    RebuildCodeTable(m_pCounts, m_pCodeTable);

    const uint64_t nLimit = reader.nSize * 8;
    int nWidth = 0;
    for (int c = 0; c < CLASS_COUNT; ++c)
    {
        for (;;)
        {
            if (reader.Consumed() >= nLimit)
                return FALSE;
            if (reader.nBits == 0)
                reader.Refill();
            if (reader.Take(1) == 1)
                break;
            if (++nWidth > MAX_CLASS_WIDTH)
                return FALSE;
        }
        m_nClassWidth[c] = nWidth;
    }
    ComputeClassFirsts(m_nClassWidth, m_nClassFirst);
    BuildDecodeTable();
    return TRUE;
}

// Copies the last 64 KB (at most) of this call's output into the window and advances the
// window position past all of it.
void CMRVDecompressor::StoreHistory(const BYTE* pOutStart, uint32_t nWritten)
{
    const uint32_t nKeep = std::min(nWritten, WINDOW_SIZE);
    const BYTE* pFrom = pOutStart + (nWritten - nKeep);
    const uint32_t nSlot = (m_dwWindowPos + nWritten - nKeep) & WINDOW_MASK;
    const uint32_t nFirst = std::min(nKeep, WINDOW_SIZE - nSlot);
    if (nKeep != 0)
    {
        std::memcpy(m_pWindow + nSlot, pFrom, nFirst);
        std::memcpy(m_pWindow, pFrom + nFirst, nKeep - nFirst);
    }
    m_dwWindowPos += nWritten;
}
