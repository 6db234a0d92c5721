// The WAV writer's file layout, the reader's tolerance of real-world files, and round trips.
#include "WavReader.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace AudioGen;

namespace
{
uint32_t U32At(const std::vector<uint8_t>& v, size_t nAt)
{
    return v[nAt] | (v[nAt + 1] << 8) | (v[nAt + 2] << 16) | (static_cast<uint32_t>(v[nAt + 3]) << 24);
}

uint32_t U16At(const std::vector<uint8_t>& v, size_t nAt)
{
    return v[nAt] | (v[nAt + 1] << 8);
}

void Put(std::vector<uint8_t>& v, const std::string& strBytes)
{
    v.insert(v.end(), strBytes.begin(), strBytes.end());
}

void Put32(std::vector<uint8_t>& v, uint32_t dw)
{
    for (int i = 0; i < 4; ++i)
        v.push_back(static_cast<uint8_t>(dw >> (8 * i)));
}

void Put16(std::vector<uint8_t>& v, uint32_t dw)
{
    v.push_back(static_cast<uint8_t>(dw));
    v.push_back(static_cast<uint8_t>(dw >> 8));
}

// A WAV image with the given format fields, an optional extra chunk before the data, and
// raw data bytes, with the data chunk declaring nDeclared bytes.
std::vector<uint8_t> MakeWav(uint32_t dwFormat, uint32_t dwChannels, uint32_t dwBits, bool bListChunk,
                             const std::vector<int16_t>& vData, uint32_t dwDeclared)
{
    std::vector<uint8_t> v;
    Put(v, "RIFF");
    Put32(v, 0);
    Put(v, "WAVE");
    Put(v, "fmt ");
    Put32(v, 16);
    Put16(v, dwFormat);
    Put16(v, dwChannels);
    Put32(v, 44100);
    Put32(v, 44100 * dwChannels * dwBits / 8);
    Put16(v, dwChannels * dwBits / 8);
    Put16(v, dwBits);
    if (bListChunk)
    {
        Put(v, "LIST");
        Put32(v, 3);  // odd size: one pad byte follows
        Put(v, "abc");
        v.push_back(0);
    }
    Put(v, "data");
    Put32(v, dwDeclared);
    for (int16_t n : vData)
        Put16(v, static_cast<uint16_t>(n));
    return v;
}

TEST(WavWriter, HeaderDescribesMono16BitPcm)
{
    const std::vector<uint8_t> v = EncodeWav16({1, -1, 32767, -32768, 0}, 22050);
    ASSERT_EQ(v.size(), 44u + 10u);
    EXPECT_EQ(std::string(v.begin(), v.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(v.begin() + 8, v.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(std::string(v.begin() + 36, v.begin() + 40), "data");
    const struct
    {
        size_t nOffset;
        int nBytes;
        uint32_t dwValue;
    } kFields[] = {
        {4, 4, 36 + 10},  // RIFF size
        {16, 4, 16},      // fmt size
        {20, 2, 1},       // PCM
        {22, 2, 1},       // channels
        {24, 4, 22050},   // rate
        {28, 4, 44100},   // bytes per second
        {32, 2, 2},       // block alignment
        {34, 2, 16},      // bits
        {40, 4, 10},      // data size
        {44, 2, 1},       // first sample
        {46, 2, 0xFFFF},  // -1, little-endian two's complement
        {50, 2, 0x8000},  // -32768
    };
    for (const auto& f : kFields)
        EXPECT_EQ(f.nBytes == 4 ? U32At(v, f.nOffset) : U16At(v, f.nOffset), f.dwValue) << "offset " << f.nOffset;
}

TEST(WavWriter, QuantiseRoundsAndClamps)
{
    const std::vector<int16_t> v = QuantiseToPcm16({0.0f, 1.0f, -1.0f, 2.5f, -7.0f, 0.25f, -0.25f});
    EXPECT_EQ(v, (std::vector<int16_t>{0, 32767, -32767, 32767, -32768, 8192, -8192}));
}

TEST(WavWriter, RoundTripThroughTheReaderIsExact)
{
    const Samples samples = {0.0f, 0.25f, -0.5f, 1.0f, -1.0f, 123.0f / 32767.0f};
    SDecodedWav decoded;
    std::string strError;
    ASSERT_TRUE(DecodeWav16(EncodeWav16(QuantiseToPcm16(samples), 22050), decoded, strError)) << strError;
    EXPECT_EQ(decoded.nSampleRate, 22050);
    ASSERT_EQ(decoded.samples.size(), samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        EXPECT_NEAR(decoded.samples[i], samples[i], 0.5f / 32767.0f) << i;
}

TEST(WavWriter, IdenticalFileKeepsItsTimeStamp)
{
    const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "contentaudio_keep.wav";
    std::string strError;
    ASSERT_TRUE(WriteWav16(path.string(), {0.1f, 0.2f}, 22050, strError)) << strError;
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(path, old);

    ASSERT_TRUE(WriteWav16(path.string(), {0.1f, 0.2f}, 22050, strError)) << strError;
    EXPECT_EQ(std::filesystem::last_write_time(path), old);

    ASSERT_TRUE(WriteWav16(path.string(), {0.1f, 0.3f}, 22050, strError)) << strError;
    EXPECT_NE(std::filesystem::last_write_time(path), old);
    std::filesystem::remove(path);
}

TEST(WavWriter, UnwritablePathIsReported)
{
    std::string strError;
    EXPECT_FALSE(WriteWav16("/nonexistent-folder/x.wav", {0.0f}, 22050, strError));
    EXPECT_NE(strError.find("/nonexistent-folder/x.wav"), std::string::npos);
}

TEST(WavReader, SkipsOtherChunksAndCutsAnOversizedDataLength)
{
    // Programs writing to a pipe cannot know the length and declare a huge one.
    const std::vector<uint8_t> v = MakeWav(1, 1, 16, true, {100, -100, 200}, 0x7FFFFFFF);
    SDecodedWav decoded;
    std::string strError;
    ASSERT_TRUE(DecodeWav16(v, decoded, strError)) << strError;
    EXPECT_EQ(decoded.nSampleRate, 44100);
    ASSERT_EQ(decoded.samples.size(), 3u);
    EXPECT_FLOAT_EQ(decoded.samples[2], 200.0f / 32767.0f);
}

TEST(WavReader, AveragesChannelsToMono)
{
    const std::vector<uint8_t> v = MakeWav(1, 2, 16, false, {1000, 3000, -500, -1500, 7}, 10);
    SDecodedWav decoded;
    std::string strError;
    ASSERT_TRUE(DecodeWav16(v, decoded, strError)) << strError;
    ASSERT_EQ(decoded.samples.size(), 2u);  // the odd trailing sample is no full frame
    EXPECT_FLOAT_EQ(decoded.samples[0], 2000.0f / 32767.0f);
    EXPECT_FLOAT_EQ(decoded.samples[1], -1000.0f / 32767.0f);
}

TEST(WavReader, RejectsWhatIsNot16BitPcm)
{
    std::vector<uint8_t> vDataFirst;
    Put(vDataFirst, "RIFF");
    Put32(vDataFirst, 0);
    Put(vDataFirst, "WAVEdata");
    Put32(vDataFirst, 2);
    Put16(vDataFirst, 0);
    std::vector<uint8_t> vShortFmt = MakeWav(1, 1, 16, false, {}, 0);
    vShortFmt.resize(24);
    std::vector<uint8_t> vFmtOnly = MakeWav(1, 1, 16, false, {}, 0);
    vFmtOnly.resize(36);

    const struct
    {
        const char* pszName;
        std::vector<uint8_t> vFile;
    } kCases[] = {
        {"empty", {}},
        {"not RIFF", {'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
        {"8-bit", MakeWav(1, 1, 8, false, {1}, 2)},
        {"float", MakeWav(3, 1, 16, false, {1}, 2)},
        {"no channels", MakeWav(1, 0, 16, false, {1}, 2)},
        {"data before fmt", vDataFirst},
        {"cut inside fmt", vShortFmt},
        {"no data chunk", vFmtOnly},
    };
    for (const auto& c : kCases)
    {
        SDecodedWav decoded;
        std::string strError;
        EXPECT_FALSE(DecodeWav16(c.vFile, decoded, strError)) << c.pszName;
        EXPECT_FALSE(strError.empty()) << c.pszName;
    }
}
}  // namespace
