// ContentSinkTest.cpp: content names, the pack mode chosen per picture, and the staged files
// the content build packs from (written only when they change).
#include "ContentSink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
CCanvas WithClearShare(int nClearPixels)
{
    // 10 x 10, the first nClearPixels transparent, the rest opaque.
    CCanvas canvas(10, 10);
    canvas.BeginAccess();
    for (int i = nClearPixels; i < 100; ++i)
        canvas.Row(i / 10)[i % 10] = 0xFF808080u;
    canvas.EndAccess();
    return canvas;
}

std::string ReadText(const std::string& strPath)
{
    std::ifstream in(strPath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ContentSinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strDir = (fs::temp_directory_path() /
                    ("contentsink-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                     "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                       .string();
        fs::remove_all(m_strDir);
    }
    void TearDown() override { fs::remove_all(m_strDir); }

    std::string m_strDir;
};
} // namespace

TEST_F(ContentSinkTest, StagesPicturesAndFrameSetsWithTheirPackArguments)
{
    // The pack mode follows how much of a picture is clear: nothing, a little or a good part.
    CContentSink sink(m_strDir);
    sink.AddPicture(".\\content\\wall\\boot.mri", WithClearShare(60));
    sink.AddPicture(".\\content\\key.mri", WithClearShare(10));
    sink.AddPicture(".\\content\\credits.mri", WithClearShare(0));
    std::vector<CCanvas> frames;
    frames.push_back(WithClearShare(0));
    frames.push_back(WithClearShare(50));
    sink.AddFrameSet(".\\content\\mmo\\eye.mrm", 13, frames);
    ASSERT_TRUE(sink.Finish());
    EXPECT_TRUE(fs::exists(m_strDir + "/wall/boot.png"));
    const struct
    {
        const char* pszFile;
        const char* pszArgs;
    } kCases[] = {
        {"wall/boot.mri.args", "pack\nwall/boot.png\n@OUT@\n--rle\n"},
        {"key.mri.args", "pack\nkey.png\n@OUT@\n--key\n"},
        {"credits.mri.args", "pack\ncredits.png\n@OUT@\n"},
        {"mmo/eye.mrm.args", "packset\n@OUT@\n--fps\n13\nmmo/eye/000.png\nmmo/eye/001.png\n"},
    };
    for (const auto& test : kCases)
    {
        const std::string strArgs = ReadText(m_strDir + "/" + test.pszFile);
        EXPECT_EQ(strArgs.substr(0, strArgs.find("# ")), test.pszArgs);
    }
    EXPECT_EQ(sink.Outputs(),
              (std::set<std::string>{"credits.mri", "key.mri", "mmo/eye.mrm", "wall/boot.mri"}));
    EXPECT_NE(ReadText(m_strDir + "/manifest.txt").find("wall/boot.mri rle 10x10"), std::string::npos);
}

TEST_F(ContentSinkTest, RewritesOnlyWhatChanged)
{
    {
        CContentSink sink(m_strDir);
        sink.AddPicture(".\\content\\a.mri", WithClearShare(0));
        sink.AddPicture(".\\content\\b.mri", WithClearShare(0));
        ASSERT_TRUE(sink.Finish());
    }
    const auto timeA = fs::last_write_time(m_strDir + "/a.mri.args");
    const std::string strArgsB = ReadText(m_strDir + "/b.mri.args");
    fs::last_write_time(m_strDir + "/a.mri.args", timeA - std::chrono::hours(1));
    fs::last_write_time(m_strDir + "/a.png", timeA - std::chrono::hours(1));
    {
        CContentSink sink(m_strDir);
        sink.AddPicture(".\\content\\a.mri", WithClearShare(0));
        sink.AddPicture(".\\content\\b.mri", WithClearShare(5));
        ASSERT_TRUE(sink.Finish());
    }
    // The unchanged picture keeps its files (and their times); the changed one gets a new hash.
    EXPECT_EQ(fs::last_write_time(m_strDir + "/a.mri.args"), timeA - std::chrono::hours(1));
    EXPECT_EQ(fs::last_write_time(m_strDir + "/a.png"), timeA - std::chrono::hours(1));
    EXPECT_NE(ReadText(m_strDir + "/b.mri.args"), strArgsB);
}

TEST_F(ContentSinkTest, FailsOnAFileGeneratedTwiceOrAMissingSound)
{
    CContentSink twice(m_strDir);
    twice.AddPicture(".\\content\\a.mri", WithClearShare(0));
    twice.AddPicture(".\\content\\a.mri", WithClearShare(0));
    EXPECT_FALSE(twice.Finish());

    CContentSink silent(m_strDir);
    silent.AddSound(".\\content\\music\\none.mrs");
    EXPECT_FALSE(silent.Finish());
}
