// Parser.cpp: optimal parsing by shortest path over the positions of a stretch, and a greedy
// parse for speed.
#include "tools/encoder/Parser.h"

#include "assets/MRVCodecModel.h"

#include <algorithm>
#include <limits>

using namespace MRVCodec;

namespace MRVEncoder
{

void BuildCostTable(const uint16_t* pCodeTable, const int* pWidths, CostTable& costs)
{
    int nFirst[CLASS_COUNT];
    ComputeClassFirsts(pWidths, nFirst);
    uint32_t nSymbolBits[SYMBOL_COUNT];
    int c = 0;
    for (int k = 0; k < SYMBOL_COUNT; ++k)
    {
        while (c + 1 < CLASS_COUNT && k >= nFirst[c + 1])
            ++c;
        nSymbolBits[pCodeTable[k]] = uint32_t(CLASS_BITS + pWidths[c]);
    }
    for (int b = 0; b < 256; ++b)
        costs.nLiteral[b] = nSymbolBits[b];
    for (int n = 0; n <= MAX_MATCH; ++n)
    {
        if (n < MIN_MATCH)
        {
            costs.nLength[n] = 0;
            continue;
        }
        const LengthSymbol ls = LengthToSymbol(n);
        costs.nLength[n] = nSymbolBits[ls.nSymbol] + uint32_t(ls.nExtraBits);
    }
}

CParser::CParser(const uint8_t* pData) : m_pData(pData) {}

void CParser::FindMatches(CMatchFinder& finder, size_t nStart, size_t nEnd, int nNiceLength)
{
    m_nStart = nStart;
    m_nEnd = nEnd;
    m_MatchStart.assign(nEnd - nStart + 1, 0);
    m_Matches.clear();
    Match found[CMatchFinder::MAX_MATCHES_PER_POSITION];
    size_t nSkipUntil = nStart;
    for (size_t i = nStart; i < nEnd; ++i)
    {
        m_MatchStart[i - nStart] = uint32_t(m_Matches.size());
        if (i < nSkipUntil)
        {
            finder.Insert(i);
            continue;
        }
        const int nMax = int(std::min<size_t>(MAX_MATCH, nEnd - i));
        const int nFound = finder.FindAndInsert(i, nMax, found);
        m_Matches.insert(m_Matches.end(), found, found + nFound);
        if (nFound != 0 && found[nFound - 1].nLength >= nNiceLength)
            nSkipUntil = i + found[nFound - 1].nLength;
    }
    m_MatchStart[nEnd - nStart] = uint32_t(m_Matches.size());
}

uint64_t CParser::ParseOptimal(const CostTable& costs, std::vector<Token>& tokens)
{
    const size_t nCount = m_nEnd - m_nStart;
    constexpr uint32_t INF = std::numeric_limits<uint32_t>::max();
    m_Nodes.assign(nCount + 1, Node{INF, Token{0, 0}});
    m_Nodes[0].nPrice = 0;
    for (size_t i = 0; i < nCount; ++i)
    {
        const uint32_t nPrice = m_Nodes[i].nPrice;
        const uint32_t nLiteral = nPrice + costs.nLiteral[m_pData[m_nStart + i]];
        if (nLiteral < m_Nodes[i + 1].nPrice)
            m_Nodes[i + 1] = Node{nLiteral, Token{1, 0}};

        // Each match also stands for every shorter length down to the previous match's.
        int nShorter = MIN_MATCH - 1;
        for (uint32_t m = m_MatchStart[i]; m < m_MatchStart[i + 1]; ++m)
        {
            const Match& match = m_Matches[m];
            const uint32_t nBase = nPrice + DistanceBits(match.nDistance);
            for (int n = nShorter + 1; n <= match.nLength; ++n)
            {
                const uint32_t nCost = nBase + costs.nLength[n];
                Node& node = m_Nodes[i + size_t(n)];
                if (nCost < node.nPrice)
                    node = Node{nCost, Token{uint16_t(n), match.nDistance}};
            }
            nShorter = match.nLength;
        }
    }

    tokens.clear();
    for (size_t j = nCount; j > 0; j -= m_Nodes[j].from.nLength)
        tokens.push_back(m_Nodes[j].from);
    std::reverse(tokens.begin(), tokens.end());
    return m_Nodes[nCount].nPrice;
}

void CParser::ParseGreedy(CMatchFinder& finder, size_t nStart, size_t nEnd, std::vector<Token>& tokens)
{
    tokens.clear();
    Match found[CMatchFinder::MAX_MATCHES_PER_POSITION];
    size_t i = nStart;
    while (i < nEnd)
    {
        const int nMax = int(std::min<size_t>(MAX_MATCH, nEnd - i));
        const int nFound = finder.FindAndInsert(i, nMax, found);
        if (nFound == 0)
        {
            tokens.push_back(Token{1, 0});
            ++i;
            continue;
        }
        const Match& best = found[nFound - 1];
        tokens.push_back(Token{best.nLength, best.nDistance});
        for (size_t k = i + 1; k < i + best.nLength; ++k)
            finder.Insert(k);
        i += best.nLength;
    }
}

} // namespace MRVEncoder
