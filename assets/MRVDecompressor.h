// MRVDecompressor.h: decoder of compressed image payloads (LZ matches over a 64 KB history,
// symbols sent with an adaptive count-ordered code).
//
// One decompressor serves one payload: construct it, call DecodeBlock once per block with the
// rest of the payload, drop it. The history window, the symbol model and the bit buffer carry
// over from one block to the next. Depends on assets/MRVCodecModel.h only.
#pragma once

#include "assets/MRVCodecModel.h"
#include "platform/WinTypes.h"

#include <cstdint>

class CMRVDecompressor
{
public:
    CMRVDecompressor();
    ~CMRVDecompressor();
    CMRVDecompressor(const CMRVDecompressor&) = delete;
    CMRVDecompressor& operator=(const CMRVDecompressor&) = delete;

    // Decodes one block from pIn into pOut. *pOutLeft bounds the output and *pInLeft is the
    // rest of the payload (later blocks included). On success returns TRUE and subtracts the
    // bytes written and read; on a corrupt stream returns FALSE and leaves both counts alone.
    // A null count pointer stands for a count of 0 and is never written.
    BOOL DecodeBlock(BYTE* pOut, DWORD* pOutLeft, const BYTE* pIn, DWORD* pInLeft);

private:
    struct BitReader;
    struct OutputCursor;

    BOOL DecodeSymbols(BitReader& reader, OutputCursor& out);
    BYTE* CopyMatch(BYTE* p, const BYTE* pStart, const BYTE* pEnd, uint32_t nLength,
                    uint32_t nDistance) const;
    BOOL ReadModelUpdate(BitReader& reader);
    void BuildDecodeTable();
    void StoreHistory(const BYTE* pOutStart, uint32_t nWritten);

    BYTE* m_pWindow;     // 64 KB history, cleared at construction
    DWORD m_dwWindowPos; // bytes ever written to the history
    WORD* m_pCounts;     // per-symbol counts, 16-bit wrapping
    int m_nClassWidth[MRVCodec::CLASS_COUNT];
    int m_nClassFirst[MRVCodec::CLASS_COUNT];
    WORD* m_pCodeTable;       // code -> symbol
    DWORD m_dwBitBuffer;      // unread bits of the last block's final byte, at the top
    int m_nBitCount;          // how many such bits there are
    uint32_t* m_pDecodeTable; // next 12 bits -> symbol and code length, rebuilt on each update
};
