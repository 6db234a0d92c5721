// EncoderModel.cpp: the encoder's mirror of the adaptive model and the class-width choice.
#include "tools/encoder/EncoderModel.h"

#include <algorithm>
#include <cstring>
#include <limits>

using namespace MRVCodec;

namespace MRVEncoder
{

CEncoderModel::CEncoderModel() : m_wCounts{}
{
    InitCodeTable(m_wCodeTable);
    IndexCodeTable();
    SetClassWidths(INITIAL_CLASS_WIDTHS);
}

void CEncoderModel::IndexCodeTable()
{
    for (int k = 0; k < SYMBOL_COUNT; ++k)
        m_wCodeOf[m_wCodeTable[k]] = WORD(k);
}

void CEncoderModel::SetClassWidths(const int* pWidths)
{
    std::copy(pWidths, pWidths + CLASS_COUNT, m_nWidth);
    ComputeClassFirsts(m_nWidth, m_nFirst);
    for (int c = 0; c < CLASS_COUNT; ++c)
    {
        const int nEnd = std::min(SYMBOL_COUNT, m_nFirst[c] + (1 << m_nWidth[c]));
        for (int k = m_nFirst[c]; k < nEnd; ++k)
        {
            m_nClassOf[k] = uint8_t(c);
            m_nCodeLength[k] = CLASS_BITS + m_nWidth[c];
        }
    }
}

void CEncoderModel::WriteSymbol(CBitWriter& writer, int nSymbol)
{
    const int nCode = m_wCodeOf[nSymbol];
    const int nClass = m_nClassOf[nCode];
    writer.Write(uint32_t(nClass), CLASS_BITS);
    writer.Write(uint32_t(nCode - m_nFirst[nClass]), m_nWidth[nClass]);
    ++m_wCounts[nSymbol];
}

LengthSymbol LengthToSymbol(int nLength)
{
    const int nCode = nLength - MIN_MATCH;
    if (nCode < FIRST_LONG_MATCH_SYMBOL - FIRST_MATCH_SYMBOL)
        return LengthSymbol{FIRST_MATCH_SYMBOL + nCode, 0, 0};
    int k = 7;
    while (LONG_LENGTH_CODES[k].nBase > nCode)
        --k;
    return LengthSymbol{FIRST_LONG_MATCH_SYMBOL + k, LONG_LENGTH_CODES[k].nExtraBits,
                        uint32_t(nCode - LONG_LENGTH_CODES[k].nBase)};
}

int DistanceSelector(uint32_t nDistance)
{
    const uint32_t nHigh = nDistance >> 9;
    int s = 0;
    while ((nHigh >> s) != 0)
        ++s;
    return s;
}

uint32_t DistanceBits(uint32_t nDistance)
{
    return 3 + 9 + uint32_t(DISTANCE_CODES[DistanceSelector(nDistance)].nExtraBits);
}

void CEncoderModel::WriteMatch(CBitWriter& writer, int nLength, uint32_t nDistance)
{
    const LengthSymbol ls = LengthToSymbol(nLength);
    WriteSymbol(writer, ls.nSymbol);
    writer.Write(ls.nExtra, ls.nExtraBits);
    const int s = DistanceSelector(nDistance);
    const DistanceCode& dist = DISTANCE_CODES[s];
    writer.Write(uint32_t(s), 3);
    writer.Write(nDistance - uint32_t(dist.nBase) * 512, dist.nExtraBits + 9);
}

void CEncoderModel::WriteUpdate(CBitWriter& writer, const int* pWidths)
{
    WriteSymbol(writer, SYMBOL_UPDATE);
    RebuildCodeTable(m_wCounts, m_wCodeTable);
    IndexCodeTable();
    int nPrevious = 0;
    for (int c = 0; c < CLASS_COUNT; ++c)
    {
        writer.Write(0, pWidths[c] - nPrevious);
        writer.Write(1, 1);
        nPrevious = pWidths[c];
    }
    SetClassWidths(pWidths);
}

void CEncoderModel::PreviewUpdateOrder(WORD* pCodeTable) const
{
    WORD wCounts[SYMBOL_COUNT];
    std::memcpy(wCounts, m_wCounts, sizeof(wCounts));
    ++wCounts[SYMBOL_UPDATE];
    RebuildCodeTable(wCounts, pCodeTable);
}

uint64_t ChooseClassWidths(const SymbolTally& byCode, int* pWidths)
{
    // Dynamic programme over the classes; the state is the number of codes covered so far
    // (capped at 274) and the last width, since widths may only grow.
    constexpr int N = SYMBOL_COUNT;
    constexpr int W = MAX_CLASS_WIDTH + 1;
    constexpr uint64_t INF = std::numeric_limits<uint64_t>::max();
    uint64_t prefix[N + 1];
    prefix[0] = 0;
    for (int k = 0; k < N; ++k)
        prefix[k + 1] = prefix[k] + byCode.n[k];

    struct State
    {
        uint64_t nCost;
        int16_t nPrevCovered;
        int8_t nPrevWidth;
    };
    static thread_local State dp[CLASS_COUNT + 1][N + 1][W];
    for (auto& plane : dp)
        for (auto& row : plane)
            for (State& st : row)
                st.nCost = INF;
    dp[0][0][0].nCost = 0;
    for (int c = 0; c < CLASS_COUNT; ++c)
    {
        for (int n = 0; n <= N; ++n)
        {
            // Class c may take any width w2 not below the width before it, so the best start
            // for w2 is the cheapest state at this count with a width up to w2.
            uint64_t nBest = INF;
            int nBestW = 0;
            for (int w2 = 0; w2 < W; ++w2)
            {
                if (dp[c][n][w2].nCost < nBest)
                {
                    nBest = dp[c][n][w2].nCost;
                    nBestW = w2;
                }
                if (nBest == INF)
                    continue;
                const int n2 = std::min(N, n + (1 << w2));
                const uint64_t nCost = nBest + uint64_t(w2) * (prefix[n2] - prefix[n]);
                State& next = dp[c + 1][n2][w2];
                if (nCost < next.nCost)
                    next = State{nCost, int16_t(n), int8_t(nBestW)};
            }
        }
    }
    // The update itself spends the last width in 0 bits, so it counts in the choice.
    int nBestW = 0;
    uint64_t nBest = INF;
    for (int w = 0; w < W; ++w)
    {
        const uint64_t nCost = dp[CLASS_COUNT][N][w].nCost;
        if (nCost != INF && nCost + uint64_t(w) < nBest)
        {
            nBest = nCost + uint64_t(w);
            nBestW = w;
        }
    }
    int n = N;
    int w = nBestW;
    for (int c = CLASS_COUNT; c > 0; --c)
    {
        pWidths[c - 1] = w;
        const State& st = dp[c][n][w];
        n = st.nPrevCovered;
        w = st.nPrevWidth;
    }
    return dp[CLASS_COUNT][N][nBestW].nCost + uint64_t(CLASS_BITS) * prefix[N];
}

uint64_t TallyCost(const SymbolTally& bySymbol, const WORD* pCodeTable, const int* pWidths)
{
    int nFirst[CLASS_COUNT];
    ComputeClassFirsts(pWidths, nFirst);
    uint64_t nBits = 0;
    int c = 0;
    for (int k = 0; k < SYMBOL_COUNT; ++k)
    {
        while (c + 1 < CLASS_COUNT && k >= nFirst[c + 1])
            ++c;
        nBits += uint64_t(bySymbol.n[pCodeTable[k]]) * uint64_t(CLASS_BITS + pWidths[c]);
    }
    return nBits;
}

} // namespace MRVEncoder
