// Tests of MRVEncoder: round trips through CMRVDecompressor for many kinds of input, levels and
// block sizes (with updates at odd moments), and the class-width choice.
#include "StreamBuilder.h"
#include "assets/MRVCodecModel.h"
#include "tools/encoder/MRVEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace
{

using Generator = std::function<uint8_t(size_t i, std::mt19937& rng)>;

std::vector<uint8_t> Make(size_t n, const Generator& gen)
{
    std::mt19937 rng(7);
    std::vector<uint8_t> data(n);
    for (size_t i = 0; i < n; ++i)
        data[i] = gen(i, rng);
    return data;
}

// 16-bit little-endian pixels of a 320-pixel-wide picture: a soft gradient with grain, a flat
// panel and a few hard lines.
uint8_t PictureByte(size_t i, std::mt19937& rng)
{
    const size_t nPixel = i / 2, x = nPixel % 320, y = nPixel / 320;
    uint16_t v;
    if (x > 200 && y % 64 < 40)
        v = 0xF81F;
    else if ((x + y) % 53 == 0)
        v = 0x0000;
    else
        v = uint16_t(((x / 10) << 11) | (((y / 4) & 63) << 5) | (rng() % 3));
    return (i % 2) ? uint8_t(v >> 8) : uint8_t(v & 0xFF);
}

struct Input
{
    const char* pszName;
    size_t nSize;
    Generator gen;
};

const Input INPUTS[] = {
    {"empty", 0, [](size_t, std::mt19937&) { return uint8_t(0); }},
    {"one byte", 1, [](size_t, std::mt19937&) { return uint8_t(0x5A); }},
    {"random", 5000, [](size_t, std::mt19937& rng) { return uint8_t(rng()); }},
    {"few symbols", 20000, [](size_t, std::mt19937& rng) { return uint8_t("ab c"[rng() % 4]); }},
    {"flat", 100000, [](size_t, std::mt19937&) { return uint8_t(0x33); }},
    {"gradient", 50000, [](size_t i, std::mt19937&) { return uint8_t(i / 200); }},
    {"picture", 320 * 240 * 2, PictureByte},
    {"noise over 64 KB", 150000,
     [](size_t i, std::mt19937& rng) { return uint8_t((i % 3 == 0) ? rng() : i / 7); }},
    {"long repeats far back", 200000,
     [](size_t i, std::mt19937&) { return uint8_t((i * 2654435761u >> 13) % 256 ^ (i / 70000)); }},
    {"changing statistics", 60000,
     [](size_t i, std::mt19937& rng) { return uint8_t((i / 5000) * 17 + rng() % (1 + i / 5000)); }},
};

TEST(EncoderTest, RoundTripsAtEveryLevelAndWithSmallBlocksAndFrequentUpdates)
{
    const struct
    {
        int nLevel;
        size_t nBlockSize;
        size_t nUpdateInterval;
        size_t nMaxInput;
    } kSettings[] = {{0, 0, 0, SIZE_MAX},
                     {2, 0, 0, SIZE_MAX},
                     {5, 0, 0, SIZE_MAX},
                     {9, 0, 0, SIZE_MAX},
                     {9, 1000, 250, 70000}};
    for (const Input& input : INPUTS)
        for (const auto& setting : kSettings)
        {
            SCOPED_TRACE(::testing::Message() << input.pszName << " at level " << setting.nLevel
                                              << ", blocks of " << setting.nBlockSize);
            const std::vector<uint8_t> data = Make(std::min(input.nSize, setting.nMaxInput), input.gen);
            MRVEncoder::Options options;
            options.nLevel = setting.nLevel;
            options.nBlockSize = setting.nBlockSize;
            options.nUpdateInterval = setting.nUpdateInterval;
            const std::vector<uint8_t> stream = MRVEncoder::Encode(data.data(), data.size(), options);
            const DecodeResult r = DecodePayload(stream, data.size() + 64);
            ASSERT_TRUE(r.bOk);
            EXPECT_EQ(r.bytes, data);
            if (setting.nBlockSize != 0)
            {
                EXPECT_GE(size_t(r.nBlocks), data.size() / setting.nBlockSize);
            }
            // Image records refuse buffers larger than their stream's largest expansion.
            EXPECT_LE(data.size(), MRVCodec::MaxDecodedSize(stream.size()));
        }
}

// The most compressible input comes close to the largest expansion a stream can have, and
// stays within it: the bound that keeps damaged records from costing gigabytes is also tight.
TEST(EncoderTest, FlatInputApproachesTheLargestExpansion)
{
    const std::vector<uint8_t> data(1u << 20, 0x5A);
    const std::vector<uint8_t> stream = MRVEncoder::Encode(data.data(), data.size());
    EXPECT_LE(data.size(), MRVCodec::MaxDecodedSize(stream.size()));
    EXPECT_GT(data.size(), MRVCodec::MaxDecodedSize(stream.size()) * 9 / 10);
}

TEST(EncoderTest, EveryShortLengthMeetsTheLastByteRule)
{
    // Short payloads end at every bit alignment; each must still decode.
    std::mt19937 rng(3);
    for (size_t n = 0; n < 200; ++n)
    {
        std::vector<uint8_t> data(n);
        for (auto& b : data)
            b = uint8_t(rng() % 5);
        const std::vector<uint8_t> stream = MRVEncoder::Encode(data.data(), data.size());
        const DecodeResult r = DecodePayload(stream, n);
        ASSERT_TRUE(r.bOk) << n;
        EXPECT_EQ(r.bytes, data) << n;
    }
}

TEST(EncoderTest, ClassWidthsCoverEveryCodeAndFollowTheTally)
{
    MRVEncoder::SymbolTally byCode;
    for (int k = 0; k < MRVCodec::SYMBOL_COUNT; ++k)
        byCode.n[k] = k < 3 ? 10000 : (k < 40 ? 50 : 1);
    int widths[16];
    const uint64_t nBits = MRVEncoder::ChooseClassWidths(byCode, widths);
    int nCovered = 0;
    for (int c = 0; c < 16; ++c)
    {
        EXPECT_LE(widths[c], 8);
        if (c > 0)
        {
            EXPECT_GE(widths[c], widths[c - 1]);
        }
        nCovered += 1 << widths[c];
    }
    EXPECT_GE(nCovered, MRVCodec::SYMBOL_COUNT);
    EXPECT_EQ(widths[0], 0) << "three frequent codes each get a class of their own";
    WORD identity[MRVCodec::SYMBOL_COUNT];
    for (int k = 0; k < MRVCodec::SYMBOL_COUNT; ++k)
        identity[k] = WORD(k);
    EXPECT_EQ(nBits, MRVEncoder::TallyCost(byCode, identity, widths));
    EXPECT_LT(nBits, MRVEncoder::TallyCost(byCode, identity, MRVCodec::INITIAL_CLASS_WIDTHS));
}

} // namespace
