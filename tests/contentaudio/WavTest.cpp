// The WAV writer's file layout, the reader's tolerance of real-world files, and round trips.
#include "WavReader.h"
#include "WavWriter.h"

#include "tests/mrvtool/WaveBytes.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace AudioGen;
using Bytes = std::vector<uint8_t>;

namespace
{
// 16-bit samples as the bytes of a data chunk.
Bytes SampleBytes(std::initializer_list<int16_t> samples)
{
    Bytes bytes;
    for (int16_t n : samples)
        Platform::AppendLE16(bytes, static_cast<uint16_t>(n));
    return bytes;
}

TEST(WavWriter, HeaderHoldsTheSizesAndRatesTheReadersDoNotCheck)
{
    // Tag, channels, bits, rate and data size are read back below and by mrvtool's sound
    // command; the RIFF size, byte rate and block alignment only by other programs.
    const Bytes v = EncodeWav16({1, -1, 32767, -32768, 0}, 22050);
    ASSERT_EQ(v.size(), 44u + 10u);
    EXPECT_EQ(Platform::ReadLE32(&v[4]), 36u + 10u);
    EXPECT_EQ(Platform::ReadLE32(&v[28]), 44100u);
    EXPECT_EQ(Platform::ReadLE16(&v[32]), 2u);
}

TEST(WavWriter, SamplesRoundToTheNearestStepAndClampThroughTheReader)
{
    const Samples samples = {0.0f, 0.25f, -0.25f, 1.0f, -1.0f, 123.0f / 32767.0f, 2.5f, -7.0f};
    const std::vector<int16_t> pcm = QuantiseToPcm16(samples);
    EXPECT_EQ(pcm, (std::vector<int16_t>{0, 8192, -8192, 32767, -32767, 123, 32767, -32768}));
    SDecodedWav decoded;
    std::string strError;
    ASSERT_TRUE(DecodeWav16(EncodeWav16(pcm, 22050), decoded, strError)) << strError;
    EXPECT_EQ(decoded.nSampleRate, 22050);
    ASSERT_EQ(decoded.samples.size(), samples.size());
    for (size_t i = 0; i < pcm.size(); ++i)
        EXPECT_FLOAT_EQ(decoded.samples[i], pcm[i] / 32767.0f) << i;
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

TEST(WavReader, SkipsOtherChunksCutsAnOversizedDataLengthAndAveragesChannels)
{
    // Programs writing to a pipe cannot know the length and declare a huge one.
    Bytes v = ToolTest::Wave(1, 2, 44100, 16, SampleBytes({1000, 3000, -500, -1500, 7}));
    Platform::WriteLE32(&v[v.size() - 14], 0x7FFFFFFF);
    SDecodedWav decoded;
    std::string strError;
    ASSERT_TRUE(DecodeWav16(v, decoded, strError)) << strError;
    EXPECT_EQ(decoded.nSampleRate, 44100);
    ASSERT_EQ(decoded.samples.size(), 2u); // the odd trailing sample is no full frame
    EXPECT_FLOAT_EQ(decoded.samples[0], 2000.0f / 32767.0f);
    EXPECT_FLOAT_EQ(decoded.samples[1], -1000.0f / 32767.0f);
}

TEST(WavReader, RejectsWhatIsNot16BitPcm)
{
    const Bytes kOne = SampleBytes({1});
    const Bytes wav = ToolTest::Wave(1, 1, 44100, 16, kOne);
    const struct
    {
        const char* pszName;
        Bytes file;
    } kCases[] = {
        {"empty", {}},
        {"not RIFF", {'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
        {"8-bit", ToolTest::Wave(1, 1, 44100, 8, kOne)},
        {"float", ToolTest::Wave(3, 1, 44100, 16, kOne)},
        {"no channels", ToolTest::Wave(1, 0, 44100, 16, kOne)},
        {"data before fmt",
         {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'd', 'a', 't', 'a', 2, 0, 0, 0, 0, 0}},
        {"cut inside fmt", Bytes(wav.begin(), wav.begin() + 24)},
        {"no data chunk", Bytes(wav.begin(), wav.begin() + 36)},
    };
    for (const auto& c : kCases)
    {
        SDecodedWav decoded;
        std::string strError;
        EXPECT_FALSE(DecodeWav16(c.file, decoded, strError)) << c.pszName;
        EXPECT_FALSE(strError.empty()) << c.pszName;
    }
}
} // namespace
