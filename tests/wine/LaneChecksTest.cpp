// LaneChecksTest.cpp: the lane's judgements on recordings and screen dumps made in code: a
// clean recording, the faults a streaming sound can make, and dumps of each pixel size.
#include "AudioRuns.h"
#include "TraceLines.h"
#include "XwdImage.h"
#include "tests/sound/SoundFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{

// Silence, then the given pieces of the sound one after another, then silence.
std::vector<int16_t> Recording(const std::vector<int16_t>& sound,
                               std::vector<std::pair<size_t, size_t>> pieces)
{
    std::vector<int16_t> recorded(500, 0);
    for (const auto& piece : pieces)
        recorded.insert(recorded.end(), sound.begin() + static_cast<std::ptrdiff_t>(piece.first),
                        sound.begin() + static_cast<std::ptrdiff_t>(piece.second));
    recorded.insert(recorded.end(), 5000, 0);
    return recorded;
}

TEST(LaneChecks, TellsTheFaultsOfAStreamApart)
{
    const std::vector<int16_t> sound = SoundTest::TestSamples(100000, 7);
    struct Case
    {
        const char* pszName;
        std::vector<std::pair<size_t, size_t>> pieces;
        size_t nRuns;
        size_t nOutOfOrder;
        size_t nLargestJump;
        size_t nChunkSkips;
    };
    const Case cases[] = {
        {"whole", {{0, 100000}}, 1, 0, 0, 0},
        {"late start", {{3000, 100000}}, 1, 0, 0, 0},
        {"a few samples skipped", {{0, 40000}, {40050, 100000}}, 2, 0, 50, 0},
        {"a few samples repeated", {{0, 40000}, {39990, 100000}}, 2, 1, 10, 0},
        {"a stale half played again", {{0, 48000}, {16000, 32000}, {48000, 100000}}, 3, 1, 32000, 1},
        {"a chunk never filled", {{0, 32000}, {48000, 100000}}, 2, 0, 16000, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        const std::vector<int16_t> recorded = Recording(sound, c.pieces);
        const Lane::SoundMatch match = Lane::FindSound(recorded, 0, recorded.size(), sound);
        EXPECT_EQ(match.Runs.size(), c.nRuns);
        EXPECT_EQ(match.nOutOfOrder, c.nOutOfOrder);
        EXPECT_EQ(match.nLargestJump, c.nLargestJump);
        EXPECT_EQ(match.nForeign, 0u);
        EXPECT_EQ(match.Runs.front().nRecorded, 500u);
        EXPECT_EQ(Lane::CountLoud(recorded, match.nEnd, recorded.size()), 0u);
        EXPECT_EQ(Lane::CountChunkSkips(match, 16000), c.nChunkSkips);
    }
}

TEST(LaneChecks, ChangedSamplesAndShortSoundsAreFound)
{
    const std::vector<int16_t> sound = SoundTest::TestSamples(20000, 3);
    std::vector<int16_t> recorded = Recording(sound, {{0, 20000}});
    recorded[500 + 10000] = static_cast<int16_t>(recorded[500 + 10000] ^ 0x40);
    const Lane::SoundMatch changed = Lane::FindSound(recorded, 0, recorded.size(), sound);
    EXPECT_EQ(changed.Runs.size(), 2u);
    EXPECT_EQ(changed.nForeign, 1u);
    EXPECT_EQ(changed.nHeard, 19999u);

    // A sound of one sample is searched for whole, after where the search starts.
    const std::vector<int16_t> one = {1234};
    const std::vector<int16_t> twice = {0, 1234, 0, 0, 1234, 0};
    const Lane::SoundMatch match = Lane::FindSound(twice, 2, twice.size(), one);
    ASSERT_EQ(match.Runs.size(), 1u);
    EXPECT_EQ(match.Runs[0].nRecorded, 4u);
    EXPECT_EQ(Lane::FindSound(twice, 5, twice.size(), one).Runs.size(), 0u);
}

void PutWord(std::string& bytes, uint32_t dwValue)
{
    for (int nShift = 24; nShift >= 0; nShift -= 8)
        bytes += static_cast<char>((dwValue >> nShift) & 0xFF);
}

// A dump of 2x1 pixels: red and blue, in the given pixel size, little-endian, no colour table.
std::string Dump(uint32_t dwBits, uint32_t dwRed, uint32_t dwGreen, uint32_t dwBlue, uint32_t dwRedPixel,
                 uint32_t dwBluePixel)
{
    const uint32_t dwBytes = dwBits / 8;
    std::string bytes;
    const uint32_t header[25] = {100 + 4, 7,  2,      24,          2, 1,     0,       0,      32,
                                 0,       32, dwBits, 2 * dwBytes, 4, dwRed, dwGreen, dwBlue, 8,
                                 256,     0,  2,      1,           0, 0,     0};
    for (uint32_t dwWord : header)
        PutWord(bytes, dwWord);
    bytes += std::string("lane", 4); // the window name
    for (uint32_t dwPixel : {dwRedPixel, dwBluePixel})
        for (uint32_t i = 0; i < dwBytes; ++i)
            bytes += static_cast<char>((dwPixel >> (8 * i)) & 0xFF);
    return bytes;
}

TEST(LaneChecks, ReadsDumpsOfEveryPixelSizeIntoTheDisplaysFormat)
{
    struct Case
    {
        uint32_t dwBits;
        uint32_t dwRed, dwGreen, dwBlue;
        uint32_t dwRedPixel, dwBluePixel;
    };
    const Case cases[] = {
        {32, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF0000, 0x0000FF},
        {24, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF0000, 0x0000FF},
        {16, 0xF800, 0x07E0, 0x001F, 0xF800, 0x001F},
    };
    const std::string strPath = (std::filesystem::path(::testing::TempDir()) / "lane.xwd").string();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dwBits);
        std::ofstream(strPath, std::ios::binary)
            << Dump(c.dwBits, c.dwRed, c.dwGreen, c.dwBlue, c.dwRedPixel, c.dwBluePixel);
        Lane::RgbaImage image;
        std::string strError;
        ASSERT_TRUE(Lane::ReadXwd(strPath, &image, &strError)) << strError;
        EXPECT_EQ(image.nWidth, 2u);
        EXPECT_EQ(Lane::Pixel565(image, 0, 0), 0xF800);
        EXPECT_EQ(Lane::Pixel565(image, 1, 0), 0x001F);
    }
    // Cut short: refused with a reason, never read past the end.
    const std::string strWhole = Dump(32, 0xFF0000, 0x00FF00, 0x0000FF, 1, 2);
    std::ofstream(strPath, std::ios::binary) << strWhole.substr(0, strWhole.size() - 1);
    Lane::RgbaImage image;
    std::string strError;
    EXPECT_FALSE(Lane::ReadXwd(strPath, &image, &strError));
    EXPECT_NE(strError.find("ends before its last row"), std::string::npos);
    std::remove(strPath.c_str());
}

// Wine's escaped lines and the runner's file give the same messages; the capability report's
// values are set aside, nothing else is.
TEST(LaneChecks, ReadsBothTracesIntoTheSameMessages)
{
    const std::string strWine =
        "0024:fixme:ddraw:something else\n"
        "0024:warn:debugstr:OutputDebugStringA \"BANNER 1\\n\\r\\n\"\n"
        "0024:warn:debugstr:OutputDebugStringA \"Device supports color fill\\r\\n\"\n"
        "0024:warn:debugstr:OutputDebugStringA \"Total free video memory: 1234\\r\\n\"\n"
        "0024:warn:debugstr:OutputDebugStringA \"VBlank: TRUE\\r\\n\"\n"
        "0024:warn:debugstr:OutputDebugStringA \"quote \\\" and \\\\ and \\x41\\r\\n\"\n"
        "0024:warn:debugstr:OutputDebugStringA \"\\r\\r\\r\\n\"\n";
    const std::string strHeadless =
        "BANNER 1\n\r\nNo hardware support at all\r\nTotal free video memory: 0\r\n"
        "VBlank: FALSE\r\nquote \" and \\ and A\r\n\r\r\r\n";
    const std::vector<std::string> wine = Lane::WineDebuggerMessages(strWine);
    ASSERT_EQ(wine.size(), 6u);
    EXPECT_EQ(wine[0], "BANNER 1\n");
    EXPECT_EQ(wine[5], "\r\r");
    EXPECT_TRUE(Lane::IsCapabilityLine(wine[1]));
    EXPECT_FALSE(Lane::IsCapabilityLine(wine[0]));
    EXPECT_EQ(Lane::WithoutDeviceValues(wine), Lane::WithoutDeviceValues(Lane::SplitTrace(strHeadless)));
    // A message of the game itself that differs is not set aside.
    EXPECT_NE(Lane::WithoutDeviceValues(wine), Lane::WithoutDeviceValues(Lane::SplitTrace("BANNER 2\n\r\n")));
}

} // namespace
