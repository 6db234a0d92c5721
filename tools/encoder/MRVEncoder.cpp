// MRVEncoder.cpp: the payload encoder. The input is cut into blocks, each block into stretches;
// every stretch is parsed under the model's current code lengths, and a model update is sent
// before it when the update (with class widths fitted to the stretch) saves more than it costs.
#include "tools/encoder/MRVEncoder.h"

#include "tools/encoder/BitWriter.h"
#include "tools/encoder/EncoderModel.h"
#include "tools/encoder/MatchFinder.h"
#include "tools/encoder/Parser.h"

#include <algorithm>

using namespace MRVCodec;

namespace MRVEncoder
{

namespace
{

constexpr size_t DEFAULT_BLOCK_SIZE = 65536;

struct LevelSettings
{
    int nMaxChain;
    int nNiceLength;
    size_t nStretch; // input bytes between chances of a model update
    bool bOptimal;
    bool bReparse; // parse a stretch again under the updated model's lengths
};

LevelSettings LevelDefaults(int nLevel)
{
    if (nLevel <= 0)
        return LevelSettings{8, 64, 16384, false, false};
    if (nLevel <= 3)
        return LevelSettings{16, 128, 16384, true, false};
    if (nLevel <= 6)
        return LevelSettings{32, 256, 16384, true, true};
    if (nLevel <= 8)
        return LevelSettings{64, 256, 16384, true, true};
    return LevelSettings{96, 256, 16384, true, true};
}

LevelSettings SettingsFor(int nLevel, size_t nUpdateInterval)
{
    LevelSettings settings = LevelDefaults(nLevel);
    if (nUpdateInterval != 0)
        settings.nStretch = nUpdateInterval;
    return settings;
}

class CPayloadEncoder
{
public:
    CPayloadEncoder(const uint8_t* pData, size_t nSize, const Options& options, std::vector<uint8_t>& out)
        : m_pData(pData), m_nSize(nSize), m_Settings(SettingsFor(options.nLevel, options.nUpdateInterval)),
          m_nBlockSize(options.nBlockSize != 0 ? options.nBlockSize : DEFAULT_BLOCK_SIZE), m_Writer(out),
          m_Finder(pData, nSize, m_Settings.nMaxChain, m_Settings.nNiceLength), m_Parser(pData)
    {
    }

    void Run()
    {
        size_t nPos = 0;
        size_t nBlockStart = 0;
        uint64_t nLastEndBit = 0;
        int nLastEndBits = 0;
        while (nPos < m_nSize)
        {
            const size_t nEnd = std::min({nPos + m_Settings.nStretch, nBlockStart + m_nBlockSize, m_nSize});
            EncodeStretch(nPos, nEnd);
            nPos = nEnd;
            if (nPos == nBlockStart + m_nBlockSize || nPos == m_nSize)
            {
                nLastEndBit = m_Writer.BitCount();
                nLastEndBits = m_Model.CodeLength(SYMBOL_END);
                EndBlock();
                nBlockStart = nPos;
            }
        }
        // The decoder wants the last byte unread after every symbol but the final end symbol.
        // When that end symbol fits in the byte the previous symbol already started, a block of
        // only the end symbol follows.
        const int nUsed = int(nLastEndBit % 8);
        if (m_nSize == 0 || (nUsed != 0 && nUsed + nLastEndBits <= 8))
            EndBlock();
    }

private:
    void EndBlock()
    {
        m_Model.WriteSymbol(m_Writer, SYMBOL_END);
        m_Writer.AlignToByte();
    }

    void EncodeStretch(size_t nStart, size_t nEnd)
    {
        m_nStretchStart = nStart;
        if (!m_Settings.bOptimal)
        {
            m_Parser.ParseGreedy(m_Finder, nStart, nEnd, m_Tokens);
            MaybeUpdate(nullptr);
            WriteTokens();
            return;
        }
        m_Parser.FindMatches(m_Finder, nStart, nEnd, m_Settings.nNiceLength);
        CostTable costs;
        BuildCostTable(m_Model.CodeTable(), m_Model.ClassWidths(), costs);
        m_Parser.ParseOptimal(costs, m_Tokens);
        MaybeUpdate(&costs);
        WriteTokens();
    }

    // Sends a model update before the stretch when it pays, re-parsing under the new lengths
    // (when the level asks for it) before the final width choice. pCosts is the cost table to
    // refill for a re-parse, or null when the level does not re-parse.
    void MaybeUpdate(CostTable* pCosts)
    {
        SymbolTally bySymbol;
        Tally(bySymbol);
        const uint64_t nBitsNow = TallyCost(bySymbol, m_Model.CodeTable(), m_Model.ClassWidths());
        // No update can make a code shorter than its class number alone.
        uint64_t nSymbols = 0;
        for (uint32_t n : bySymbol.n)
            nSymbols += n;
        if (nSymbols * CLASS_BITS + uint64_t(CLASS_COUNT) >= nBitsNow)
            return;

        WORD order[SYMBOL_COUNT];
        m_Model.PreviewUpdateOrder(order);
        int nWidths[CLASS_COUNT];
        const uint64_t nBitsUpdated =
            FitWidths(bySymbol, order, nWidths) + uint64_t(m_Model.UpdateCost(nWidths));
        if (nBitsUpdated >= nBitsNow)
            return;
        if (pCosts && m_Settings.bReparse)
        {
            BuildCostTable(order, nWidths, *pCosts);
            m_Parser.ParseOptimal(*pCosts, m_Tokens);
            Tally(bySymbol);
            FitWidths(bySymbol, order, nWidths);
        }
        m_Model.WriteUpdate(m_Writer, nWidths);
    }

    static uint64_t FitWidths(const SymbolTally& bySymbol, const WORD* pOrder, int* pWidths)
    {
        SymbolTally byCode;
        for (int k = 0; k < SYMBOL_COUNT; ++k)
            byCode.n[k] = bySymbol.n[pOrder[k]];
        return ChooseClassWidths(byCode, pWidths);
    }

    void Tally(SymbolTally& bySymbol) const
    {
        bySymbol = SymbolTally();
        size_t i = 0;
        for (const Token& token : m_Tokens)
        {
            if (token.nLength == 1)
                ++bySymbol.n[m_pData[m_nStretchStart + i]];
            else
                ++bySymbol.n[LengthToSymbol(token.nLength).nSymbol];
            i += token.nLength;
        }
    }

    void WriteTokens()
    {
        size_t nPos = m_nStretchStart;
        for (const Token& token : m_Tokens)
        {
            if (token.nLength == 1)
            {
                m_Model.WriteSymbol(m_Writer, m_pData[nPos]);
            }
            else
            {
                m_Model.WriteMatch(m_Writer, token.nLength, token.nDistance);
            }
            nPos += token.nLength;
        }
    }

    const uint8_t* m_pData;
    size_t m_nSize;
    LevelSettings m_Settings;
    size_t m_nBlockSize;
    CBitWriter m_Writer;
    CEncoderModel m_Model;
    CMatchFinder m_Finder;
    CParser m_Parser;
    std::vector<Token> m_Tokens;
    size_t m_nStretchStart = 0;
};

} // namespace

std::vector<uint8_t> Encode(const uint8_t* pData, size_t nSize, const Options& options)
{
    std::vector<uint8_t> out;
    out.reserve(nSize / 2 + 16);
    CPayloadEncoder encoder(pData, nSize, options, out);
    encoder.Run();
    return out;
}

} // namespace MRVEncoder
