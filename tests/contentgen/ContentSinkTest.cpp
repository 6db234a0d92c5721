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

TEST(ChooseMode, PicksPlainKeyOrRunsByHowMuchIsClear)
{
    EXPECT_EQ(CContentSink::ChooseMode(WithClearShare(0)), PackMode::Plain);
    EXPECT_EQ(CContentSink::ChooseMode(WithClearShare(10)), PackMode::ColourKey);
    EXPECT_EQ(CContentSink::ChooseMode(WithClearShare(60)), PackMode::RunCoded);
}

TEST_F(ContentSinkTest, StagesPicturesWithTheirPackArguments)
{
    CContentSink sink(m_strDir);
    sink.AddPicture(".\\content\\wall\\boot.mri", WithClearShare(60));
    sink.AddPicture(".\\content\\credits.mri", WithClearShare(0));
    ASSERT_TRUE(sink.Finish());
    EXPECT_TRUE(fs::exists(m_strDir + "/wall/boot.png"));
    const std::string strArgs = ReadText(m_strDir + "/wall/boot.mri.args");
    EXPECT_EQ(strArgs.substr(0, strArgs.find("# ")), "pack\nwall/boot.png\n@OUT@\n--rle\n");
    const std::string strPlain = ReadText(m_strDir + "/credits.mri.args");
    EXPECT_EQ(strPlain.substr(0, strPlain.find("# ")), "pack\ncredits.png\n@OUT@\n");
    EXPECT_EQ(sink.Outputs(), (std::set<std::string>{"credits.mri", "wall/boot.mri"}));
    EXPECT_NE(ReadText(m_strDir + "/manifest.txt").find("wall/boot.mri rle 10x10"), std::string::npos);
}

TEST_F(ContentSinkTest, StagesFrameSetsInOrder)
{
    CContentSink sink(m_strDir);
    std::vector<CCanvas> frames;
    frames.push_back(WithClearShare(0));
    frames.push_back(WithClearShare(50));
    sink.AddFrameSet(".\\content\\mmo\\eye.mrm", 13, frames);
    ASSERT_TRUE(sink.Finish());
    const std::string strArgs = ReadText(m_strDir + "/mmo/eye.mrm.args");
    EXPECT_EQ(strArgs.substr(0, strArgs.find("# ")),
              "packset\n@OUT@\n--fps\n13\nmmo/eye/000.png\nmmo/eye/001.png\n");
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
