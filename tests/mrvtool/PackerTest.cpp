// PackerTest.cpp: 5-6-5 conversion, run coding and the sound file header of the packer library.
#include "tools/mrvtool/ContentFormats.h"
#include "tools/mrvtool/Pixel565.h"
#include "tools/mrvtool/RunCoding.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace MRVPacker;

TEST(Pixel565, EveryPixelSurvivesExpansionAndConversion)
{
    for (uint32_t nPixel = 0; nPixel <= 0xFFFF; ++nPixel)
    {
        uint8_t r = 0, g = 0, b = 0;
        Rgb565ToRgb(static_cast<uint16_t>(nPixel), &r, &g, &b);
        ASSERT_EQ(RgbTo565(r, g, b), nPixel);
    }
}

TEST(Pixel565, EachChannelRoundsToTheNearestLevel)
{
    // The chosen level is at least as near to the 8-bit value as either neighbour.
    auto distance = [](int nLevel, int nMax, int nValue) { return std::abs(nLevel * 255 - nValue * nMax); };
    for (int v = 0; v < 256; ++v)
    {
        const uint8_t c = static_cast<uint8_t>(v);
        const int nRed = RgbTo565(c, 0, 0) >> 11;
        const int nGreen = (RgbTo565(0, c, 0) >> 5) & 63;
        const int nBlue = RgbTo565(0, 0, c) & 31;
        for (int nOther : {nRed - 1, nRed + 1})
            EXPECT_LE(distance(nRed, 31, v), distance(nOther, 31, v)) << v;
        for (int nOther : {nGreen - 1, nGreen + 1})
            EXPECT_LE(distance(nGreen, 63, v), distance(nOther, 63, v)) << v;
        EXPECT_EQ(nBlue, nRed) << v;
    }
    EXPECT_EQ(RgbTo565(8, 4, 8), 0x0821); // truncation would give 0
    EXPECT_EQ(RgbTo565(255, 255, 255), 0xFFFF);
}

TEST(Pixel565, KeyedPixelsNeverComeOutAsKeyInEitherDisplayFormat)
{
    const struct
    {
        uint8_t r, g, b;
        uint16_t nExpected;
    } kCases[] = {
        {0, 0, 0, 0x0001},
        {0, 0, 4, 0x0001},
        {0, 4, 0, 0x0040},
        {4, 0, 0, 0x0800},
        {0, 0, 12, 0x0001},
        {0, 12, 0, 0x0060},
        {200, 10, 30, RgbTo565(200, 10, 30)},
    };
    for (const auto& test : kCases)
        EXPECT_EQ(RgbToVisible565(test.r, test.g, test.b), test.nExpected)
            << int(test.r) << "," << int(test.g) << "," << int(test.b);
    for (int r = 0; r < 24; ++r)
        for (int g = 0; g < 24; ++g)
            for (int b = 0; b < 24; ++b)
            {
                const uint16_t nPixel = RgbToVisible565(static_cast<uint8_t>(r), static_cast<uint8_t>(g),
                                                        static_cast<uint8_t>(b));
                // The rewrite for a 5-5-5 display keeps the top five green bits only.
                const uint16_t n555 = static_cast<uint16_t>(((nPixel >> 1) & 0x7FE0) | (nPixel & 0x1F));
                ASSERT_NE(nPixel, 0);
                ASSERT_NE(n555, 0);
            }
}

TEST(RunCoding, EncodesShortestRunsAcrossRows)
{
    // 3 x 3: transparent, transparent, opaque A / opaque B, transparent x 4, opaque C.
    MaskedPixels picture;
    picture.pixels = {0, 0, 0xAAAA, 0xBBBB, 0, 0, 0, 0, 0xCCCC};
    picture.opaque = {0, 0, 1, 1, 0, 0, 0, 0, 1};
    const std::vector<uint8_t> expected = {
        0, 0, 2, 0, 0, 0,                         // transparent 2
        1, 0, 2, 0, 0, 0, 0xAA, 0xAA, 0xBB, 0xBB, // opaque 2, continuing into the next row
        0, 0, 4, 0, 0, 0,                         // transparent 4
        1, 0, 1, 0, 0, 0, 0xCC, 0xCC,             // opaque 1
        2, 0, 0, 0, 0, 0,                         // end
    };
    // Decoding runs back is tried by packing and unpacking with mrvtool.
    EXPECT_EQ(EncodeRuns(picture), expected);
}

TEST(RunCoding, MalformedRunListsAreRefusedWithWhereTheyBreak)
{
    const std::vector<uint8_t> runs = {0, 0, 2, 0, 0, 0, 0, 0, 5, 0, 0, 0, 2, 0, 0, 0, 0, 0};
    MaskedPixels decoded;
    std::string strError;
    EXPECT_FALSE(DecodeRuns(runs.data(), runs.size(), 4, &decoded, &strError));
    EXPECT_EQ(strError,
              "run reaches past the picture's last position (record at byte 6, position 2 of 4, run of 5)");
}

TEST(SoundFile, WritesTheHeaderAndReadsItBack)
{
    const uint8_t samples[] = {1, 2, 3, 4, 5, 6, 7, 8};
    const SoundFormat format = MakePcmFormat(2, 22050, 16);
    const std::vector<uint8_t> file = BuildSoundFile(format, samples, sizeof(samples));
    const std::vector<uint8_t> expectedHeader = {
        'M', 'R', 'V', 'S', 1, 0, 2, 0, 0x22, 0x56, 0, 0, 0x88, 0x58, 0x01, 0, 4, 0, 16, 0, 0, 0, 8, 0, 0, 0,
    };
    ASSERT_EQ(file.size(), 26u + sizeof(samples));
    EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 26), expectedHeader);

    SoundFormat read;
    uint32_t dwDataLength = 0;
    std::string strError;
    ASSERT_TRUE(ParseSoundFile(file, &read, &dwDataLength, &strError)) << strError;
    EXPECT_EQ(dwDataLength, sizeof(samples));
    EXPECT_EQ(read.nAvgBytesPerSec, 88200u);
}

TEST(SoundFile, BrokenHeadersAreRefused)
{
    const uint8_t samples[4] = {};
    const std::vector<uint8_t> good = BuildSoundFile(MakePcmFormat(1, 22050, 16), samples, sizeof(samples));
    auto patched = [&](size_t nOffset, uint8_t nValue)
    {
        std::vector<uint8_t> file = good;
        file.at(nOffset) = nValue;
        return file;
    };
    const struct
    {
        const char* pszName;
        std::vector<uint8_t> file;
    } kCases[] = {
        {"shorter than the header", std::vector<uint8_t>(good.begin(), good.begin() + 25)},
        {"not PCM", patched(4, 3)},
        {"no channels", patched(6, 0)},
        {"24 bits", patched(18, 24)},
        {"block alignment off", patched(16, 3)},
        {"data length past the end", patched(22, 5)},
    };
    for (const auto& test : kCases)
    {
        SoundFormat format;
        uint32_t dwDataLength = 0;
        std::string strError;
        EXPECT_FALSE(ParseSoundFile(test.file, &format, &dwDataLength, &strError)) << test.pszName;
    }
    // A data length shorter than what follows is allowed: the rest is ignored by one reader.
    SoundFormat format;
    uint32_t dwDataLength = 0;
    std::string strError;
    EXPECT_TRUE(ParseSoundFile(patched(22, 2), &format, &dwDataLength, &strError)) << strError;
}
