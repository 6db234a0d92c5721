// Parser.h: splits a stretch of the input into literals and matches, choosing the sequence of
// least bits under given code lengths (or the longest match at each step, for speed).
#pragma once

#include "tools/encoder/EncoderModel.h"
#include "tools/encoder/MatchFinder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace MRVEncoder
{

// One literal (nLength 1) or one match.
struct Token
{
    uint16_t nLength;
    uint16_t nDistance;
};

// Bits each choice costs: a literal byte, and a match length's symbol with its extra bits.
// Distance bits follow from the distance alone (DistanceBits).
struct CostTable
{
    uint32_t nLiteral[256];
    uint32_t nLength[522];
};

// Code lengths from a code table (code -> symbol) and class widths.
void BuildCostTable(const uint16_t* pCodeTable, const int* pWidths, CostTable& costs);

class CParser
{
public:
    explicit CParser(const uint8_t* pData);

    // Searches the matches of every position in [nStart, nEnd) once; matches never run past
    // nEnd. Positions covered by a match of nNiceLength or more are not searched.
    void FindMatches(CMatchFinder& finder, size_t nStart, size_t nEnd, int nNiceLength);

    // The cheapest token sequence for the stretch last searched; returns its bits.
    uint64_t ParseOptimal(const CostTable& costs, std::vector<Token>& tokens);

    // Longest match at each step, for the fastest level.
    void ParseGreedy(CMatchFinder& finder, size_t nStart, size_t nEnd, std::vector<Token>& tokens);

private:
    const uint8_t* m_pData;
    size_t m_nStart = 0;
    size_t m_nEnd = 0;
    std::vector<uint32_t> m_MatchStart; // per position: first entry in m_Matches (one extra)
    std::vector<Match> m_Matches;
    struct Node
    {
        uint32_t nPrice;
        Token from;
    };
    std::vector<Node> m_Nodes;
};

} // namespace MRVEncoder
