// EncoderModel.h: the encoder's copy of the decoder's adaptive symbol model, kept in step
// symbol by symbol, the way matches are written, and the choice of class widths for a model
// update.
#pragma once

#include "assets/MRVCodecModel.h"
#include "tools/encoder/BitWriter.h"

#include <cstdint>

namespace MRVEncoder
{

using MRVCodec::CLASS_COUNT;
using MRVCodec::SYMBOL_COUNT;

// Symbol and extra bits that carry a match length (4 to 521).
struct LengthSymbol
{
    int nSymbol;
    int nExtraBits;
    uint32_t nExtra;
};
LengthSymbol LengthToSymbol(int nLength);

// Distance selector (0 to 7), and the bits a distance takes (selector included).
int DistanceSelector(uint32_t nDistance);
uint32_t DistanceBits(uint32_t nDistance);

// Per-symbol (or per-code) tallies of one stretch of the stream.
struct SymbolTally
{
    uint32_t n[SYMBOL_COUNT] = {};
};

class CEncoderModel
{
public:
    CEncoderModel();

    // Bits the symbol costs with the current tables.
    int CodeLength(int nSymbol) const { return m_nCodeLength[m_wCodeOf[nSymbol]]; }
    int CodeOf(int nSymbol) const { return m_wCodeOf[nSymbol]; }
    const WORD* Counts() const { return m_wCounts; }
    const WORD* CodeTable() const { return m_wCodeTable; }
    const int* ClassWidths() const { return m_nWidth; }

    // Sends one symbol with its current code and counts it, as the decoder does.
    void WriteSymbol(CBitWriter& writer, int nSymbol);

    // Sends a match: its length symbol (counted) with the length's extra bits, then the
    // distance selector and bits.
    void WriteMatch(CBitWriter& writer, int nLength, uint32_t nDistance);

    // Sends a model update: the update symbol, the re-ordering, then the new class widths
    // (non-decreasing, at most 8, covering every symbol).
    void WriteUpdate(CBitWriter& writer, const int* pWidths);

    // The code table an update sent now would produce, without changing the model.
    void PreviewUpdateOrder(WORD* pCodeTable) const;

    // Bits an update costs: the update symbol now plus the unary widths.
    int UpdateCost(const int* pWidths) const
    {
        return CodeLength(MRVCodec::SYMBOL_UPDATE) + CLASS_COUNT + pWidths[CLASS_COUNT - 1];
    }

private:
    void SetClassWidths(const int* pWidths);
    void IndexCodeTable();

    WORD m_wCounts[SYMBOL_COUNT];
    WORD m_wCodeTable[SYMBOL_COUNT]; // code -> symbol
    WORD m_wCodeOf[SYMBOL_COUNT];    // symbol -> code
    int m_nWidth[CLASS_COUNT];
    int m_nFirst[CLASS_COUNT];
    uint8_t m_nClassOf[SYMBOL_COUNT]; // code -> class
    int m_nCodeLength[SYMBOL_COUNT];  // code -> bits
};

// Chooses 16 non-decreasing class widths (at most 8) that cover all 274 codes and minimise the
// bits of the given per-code tallies plus the update's own width bits. Returns the bits of the
// tallies alone under the chosen widths.
uint64_t ChooseClassWidths(const SymbolTally& byCode, int* pWidths);

// Bits of the tallies (per symbol) under a code table (code -> symbol) and class widths.
uint64_t TallyCost(const SymbolTally& bySymbol, const WORD* pCodeTable, const int* pWidths);

} // namespace MRVEncoder
