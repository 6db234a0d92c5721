// Tests of CMRVDecompressor: the reference streams, every way a block can fail, matches that
// overlap or cross the window's end, blocks that share history and model, and model updates.
#include "StreamBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

std::vector<uint8_t> Text(const std::string& str)
{
    return std::vector<uint8_t>(str.begin(), str.end());
}

TEST(DecompressorTest, ReferenceStreamsDecodeAndReadTheirInput)
{
    struct Case
    {
        std::vector<BYTE> input;
        std::string strExpected;
        DWORD dwLeft; // input bytes left for a following block
    };
    const Case cases[] = {
        {{0x8E, 0x8F, 0x90, 0xFE, 0x80}, "abc", 0},
        {{0x8E, 0x8F, 0x90, 0x08, 0x00, 0xFF, 0xA0}, "abcabcabc", 0},
        {{0x8E, 0x8E, 0x8E, 0x8E, 0xFE, 0x70, 0x0F, 0xFF, 0x80, 0x01, 0x00}, "aaaaaaa", 0},
        // The last byte may hold only the end symbol: the failing stream below ("input ends
        // right after a non-final symbol") with one more byte decodes and leaves that byte.
        {{0x8E, 0x8E, 0x8E, 0x8E, 0xFE, 0x70, 0x0F, 0xFF, 0x80, 0x10, 0x00}, "aaaaaa", 1},
    };
    for (const Case& c : cases)
    {
        CMRVDecompressor dec;
        std::vector<BYTE> out(64, 0xEE);
        DWORD dwOut = DWORD(out.size());
        DWORD dwIn = DWORD(c.input.size());
        ASSERT_TRUE(dec.DecodeBlock(out.data(), &dwOut, c.input.data(), &dwIn)) << c.strExpected;
        EXPECT_EQ(dwIn, c.dwLeft);
        EXPECT_EQ(std::string(out.begin(), out.begin() + (64 - dwOut)), c.strExpected);
        EXPECT_EQ(out[64 - dwOut], 0xEE) << "nothing past the produced bytes is touched";
    }
}

TEST(DecompressorTest, CorruptBlocksFailAndLeaveCountsAlone)
{
    struct Case
    {
        const char* pszWhat;
        std::vector<BYTE> input;
        DWORD dwOutSize;
    };
    const Case cases[] = {
        {"empty input", {}, 16},
        {"code 274", {0xFF, 0x00, 0x00}, 16},
        {"code 275", {0xFF, 0x80, 0x00}, 16},
        {"literal past the output end", {0x8E, 0x8F, 0x90, 0xFE, 0x80}, 2},
        {"match past the output end", {0x8E, 0x8F, 0x90, 0x08, 0x00, 0xFF, 0xA0}, 8},
        {"distance field needs a missing byte", {0x8E, 0x8F, 0x90, 0x08}, 16},
        {"end symbol needs a missing byte", {0x8E, 0x8F, 0x90, 0xFE}, 16},
        {"input ends before the end symbol", {0x8E, 0x8F, 0x90}, 16},
        // Two letters, then the end symbol in the same last byte: the second letter already
        // takes the last byte, so the block fails although the end symbol is there.
        {"input ends right after a non-final symbol",
         {0x8E, 0x8E, 0x8E, 0x8E, 0xFE, 0x70, 0x0F, 0xFF, 0x80, 0x10},
         16},
        {"update runs out of input", {0x8E, 0xFE, 0x70}, 16},
        {"class width above 8", {0xFE, 0x00, 0x3F, 0xFF, 0xFF, 0x10, 0x00, 0x00}, 16},
    };
    for (const Case& c : cases)
    {
        CMRVDecompressor dec;
        std::vector<BYTE> out(16);
        DWORD dwOut = c.dwOutSize;
        DWORD dwIn = DWORD(c.input.size());
        EXPECT_FALSE(dec.DecodeBlock(out.data(), &dwOut, c.input.data(), &dwIn)) << c.pszWhat;
        EXPECT_EQ(dwOut, c.dwOutSize) << c.pszWhat;
        EXPECT_EQ(dwIn, DWORD(c.input.size())) << c.pszWhat;
    }
}

TEST(DecompressorTest, UnreadBitsOfABlockMergeIntoTheNextBlocksFirstByte)
{
    // Block 1 is the end symbol with its seven padding bits set. The decoder keeps those bits and
    // merges the next block's first byte into them, so the 00 80 that follows reads as FE 80: a
    // second block holding only the end symbol.
    const DecodeResult r = DecodePayload({0xFE, 0xFF, 0x00, 0x80}, 8);
    ASSERT_TRUE(r.bOk);
    EXPECT_EQ(r.nBlocks, 2);
    EXPECT_TRUE(r.bytes.empty());
}

TEST(DecompressorTest, NullCountsStandForZero)
{
    const std::vector<BYTE> endOnly = {0xFE, 0x80};
    const std::vector<BYTE> literal = {0x8E, 0xFE, 0x80};
    BYTE out[4];
    DWORD dwIn = 2;
    CMRVDecompressor a;
    EXPECT_TRUE(a.DecodeBlock(out, nullptr, endOnly.data(), &dwIn));
    EXPECT_EQ(dwIn, 0u);
    dwIn = 3;
    CMRVDecompressor b;
    EXPECT_FALSE(b.DecodeBlock(out, nullptr, literal.data(), &dwIn));
    EXPECT_EQ(dwIn, 3u);
    DWORD dwOut = sizeof(out);
    CMRVDecompressor c;
    EXPECT_FALSE(c.DecodeBlock(out, &dwOut, endOnly.data(), nullptr));
    EXPECT_EQ(dwOut, DWORD(sizeof(out)));
}

TEST(DecompressorTest, OverlappingMatchesRepeatTheirPeriod)
{
    struct Case
    {
        int nLength;
        uint32_t nDistance;
    };
    for (const Case& c : {Case{12, 1}, Case{13, 2}, Case{521, 3}, Case{100, 7}, Case{40, 9}, Case{9, 9}})
    {
        const std::vector<uint8_t> seed = Text("0123456789");
        CStreamBuilder b;
        b.Literals(seed).Match(c.nLength, c.nDistance).End().Finish();
        std::vector<uint8_t> expected = seed;
        for (int i = 0; i < c.nLength; ++i)
            expected.push_back(expected[expected.size() - c.nDistance]);
        const DecodeResult r = DecodePayload(b.Bytes(), 1000);
        ASSERT_TRUE(r.bOk) << c.nLength << "/" << c.nDistance;
        EXPECT_EQ(r.bytes, expected) << c.nLength << "/" << c.nDistance;
    }
}

TEST(DecompressorTest, MatchesCrossTheWindowEndBetweenBlocks)
{
    // Block 1 leaves the window position 5 short of the wrap; block 2's match writes across it;
    // block 3's matches read across it from the window, one of them longer than its distance.
    std::vector<uint8_t> expected;
    CStreamBuilder b;
    for (int i = 0; i < 65531; ++i)
    {
        expected.push_back(uint8_t(i * 7 % 251));
        b.Literal(expected.back());
    }
    b.End();
    auto match = [&](int nLength, uint32_t nDistance)
    {
        b.Match(nLength, nDistance);
        for (int i = 0; i < nLength; ++i)
            expected.push_back(expected[expected.size() - nDistance]);
    };
    match(12, 300);
    b.End();
    match(11, 9); // nine bytes from the window, two from this block's output
    match(20, 16);
    match(30, 7);
    match(10, 65535);
    b.End().Finish();
    const DecodeResult r = DecodePayload(b.Bytes(), expected.size());
    ASSERT_TRUE(r.bOk);
    EXPECT_GE(r.nBlocks, 3);
    EXPECT_EQ(r.bytes, expected);
}

TEST(DecompressorTest, UpdateRightBeforeTheEndAppliesToTheNextBlock)
{
    const int widths[16] = {0, 0, 0, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
    CStreamBuilder b;
    b.Literals(Text("aaaa")).Update(widths).End();
    const size_t nFirstBlock = b.Size();
    b.Literals(Text("aa")).End();
    EXPECT_EQ(b.Size() - nFirstBlock, 2u) << "two 4-bit letters and a 4-bit end symbol";
    const DecodeResult r = DecodePayload(b.Bytes(), 100);
    ASSERT_TRUE(r.bOk);
    EXPECT_EQ(std::string(r.bytes.begin(), r.bytes.end()), "aaaaaa");
}

TEST(DecompressorTest, CountOf32768SortsBelowZero)
{
    // 'a' sent 32768 times: its count reads as negative, so the update puts it last (code 273),
    // after every symbol with count 0. The codes after the update are written by hand.
    CStreamBuilder b;
    for (int i = 0; i < 32768; ++i)
        b.Literal('a');
    b.Update();
    b.Bits(15, 4).Bits(29, 5); // code 273: class 15, offset 29 -> 'a'
    b.Bits(0, 4).Bits(1, 2);   // code 1: class 0, offset 1 -> end (count 0, largest symbol)
    b.Align();
    const DecodeResult r = DecodePayload(b.Bytes(), 40000);
    ASSERT_TRUE(r.bOk);
    EXPECT_EQ(r.bytes, std::vector<uint8_t>(32769, 'a'));
}

TEST(DecompressorTest, RuleBreakingDistancesGiveFixedBytes)
{
    // Distance 0 reads a whole window back and a distance before the first byte reads the
    // cleared window, whatever the output buffer held before.
    struct Case
    {
        uint32_t nDistance;
        int nLength;
        std::vector<BYTE> expected;
    };
    const Case cases[] = {
        {0, 6, {'x', 0, 0, 0, 0, 0, 0}},
        {5, 6, {'x', 0, 0, 0, 0, 'x', 0}},
        {8, 9, {'x', 0, 0, 0, 0, 0, 0, 0, 'x', 0}},
        {40000, 6, {'x', 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        CStreamBuilder b;
        b.Literal('x').Match(c.nLength, c.nDistance).End().Finish();
        for (BYTE fill : {BYTE(0x00), BYTE(0xCC)})
        {
            CMRVDecompressor dec;
            std::vector<BYTE> out(16, fill);
            DWORD dwOut = 16;
            DWORD dwIn = DWORD(b.Size());
            ASSERT_TRUE(dec.DecodeBlock(out.data(), &dwOut, b.Bytes().data(), &dwIn));
            EXPECT_EQ(std::vector<BYTE>(out.begin(), out.begin() + 1 + c.nLength), c.expected) << c.nDistance;
        }
    }
}

TEST(DecompressorTest, CodeTableOrderAndHalving)
{
    WORD counts[MRVCodec::SYMBOL_COUNT] = {};
    WORD codes[MRVCodec::SYMBOL_COUNT];
    counts[int('a')] = 32768;
    counts[int('b')] = 5;
    counts[int('c')] = 5;
    counts[MRVCodec::SYMBOL_UPDATE] = 1;
    counts[int('d')] = 65535;
    MRVCodec::RebuildCodeTable(counts, codes);
    EXPECT_EQ(codes[0], 'c');
    EXPECT_EQ(codes[1], 'b');
    EXPECT_EQ(codes[2], MRVCodec::SYMBOL_UPDATE);
    EXPECT_EQ(codes[3], MRVCodec::SYMBOL_END);
    EXPECT_EQ(codes[4], 271);
    EXPECT_EQ(codes[272], 'd') << "-1 sorts just below 0";
    EXPECT_EQ(codes[273], 'a') << "-32768 sorts last";
    EXPECT_EQ(counts[int('a')], 0xC000) << "halving keeps the sign";
    EXPECT_EQ(counts[int('d')], 0xFFFF);
    EXPECT_EQ(counts[int('b')], 2);
}

} // namespace
