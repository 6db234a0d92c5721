// ToolCommonTest.cpp: the content tools' checked file reads and writes, and their WAV reader.
#include "WaveBytes.h"

#include "tools/common/FileBytes.h"
#include "tools/common/WavReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace
{

class FileBytesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Dir =
            fs::path(::testing::TempDir()) /
            ("toolcommon_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_Dir);
        fs::create_directories(m_Dir);
    }
    void TearDown() override { fs::remove_all(m_Dir); }

    // The names in the folder, so that a test sees any temporary left behind.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_Dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_Dir;
};

} // namespace

// Devices, folders and full disks are tried through mrvtool's commands (MrvtoolCommandTest).
TEST_F(FileBytesTest, WritesFollowLinksAndLeaveNoTemporaryFiles)
{
    const std::string strOut = (m_Dir / "out.bin").string();
    std::string strError;
    ASSERT_TRUE(ToolFiles::WriteFileBytes(strOut, Bytes{'o', 'l', 'd'}, &strError)) << strError;
    // A link is followed: the file it names is replaced and the link stays a link.
    fs::create_symlink("out.bin", m_Dir / "link.bin");
    ASSERT_TRUE(ToolFiles::WriteFileBytes((m_Dir / "link.bin").string(), Bytes{'n', 'e', 'w'}, &strError));
    EXPECT_TRUE(fs::is_symlink(m_Dir / "link.bin"));
    Bytes bytes;
    ASSERT_TRUE(ToolFiles::ReadFileBytes(strOut, &bytes, &strError));
    EXPECT_EQ(bytes, (Bytes{'n', 'e', 'w'}));

    EXPECT_FALSE(
        ToolFiles::WriteFileBytes((m_Dir / "no" / "such" / "folder.bin").string(), Bytes{1}, &strError));
    EXPECT_NE(strError.find("cannot create"), std::string::npos) << strError;
    EXPECT_EQ(Names(), (std::vector<std::string>{"link.bin", "out.bin"}));
}

using ToolTest::Wave;

// Plain 16-bit mono is read by every content build and 8-bit stereo by the sound command test.
TEST(WavReader, TakesExtensiblePcmInWholeFrames)
{
    ToolWav::PcmWave wave;
    std::string strError;
    ASSERT_TRUE(ToolWav::DecodeWav(Wave(ToolTest::kWaveExtensible, 2, 44100, 16, {1, 2, 3, 4, 5, 6, 7}),
                                   &wave, &strError))
        << strError;
    EXPECT_EQ(wave.nChannels, 2);
    EXPECT_EQ(wave.wBitsPerSample, 16);
    EXPECT_EQ(wave.samples, (Bytes{1, 2, 3, 4}));
}

TEST(WavReader, RefusesWhatIsNotPlainPcmWithAReason)
{
    const Bytes samples = {1, 2, 3, 4};
    Bytes formatOnly = Wave(1, 1, 22050, 16, {});
    formatOnly.resize(36);
    const struct
    {
        const char* pszName;
        Bytes file;
        const char* pszWhat;
    } kCases[] = {
        {"float", Wave(3, 1, 22050, 32, samples), "not PCM"},
        {"extensible float", Wave(ToolTest::kWaveExtensible, 1, 22050, 32, samples, 3), "not PCM"},
        {"24-bit", Wave(1, 1, 22050, 24, samples), "24-bit"},
        {"no channels", Wave(1, 0, 22050, 16, samples), "no channels"},
        {"channels beyond a format record", Wave(1, 40000, 22050, 16, samples), "do not fit"},
        {"not RIFF", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, "not a RIFF"},
        {"format only", formatOnly, "no data"},
    };
    for (const auto& test : kCases)
    {
        ToolWav::PcmWave wave;
        std::string strError;
        EXPECT_FALSE(ToolWav::DecodeWav(test.file, &wave, &strError)) << test.pszName;
        EXPECT_NE(strError.find(test.pszWhat), std::string::npos) << test.pszName << ": " << strError;
    }
}
