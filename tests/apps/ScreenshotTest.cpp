// ScreenshotTest.cpp: where screenshots go (the user-dirs line, the folder's fall-back), their
// free file names, and the written PNG's pixels against the 5-6-5 frame they were taken from.
#include "apps/game/Screenshot.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace GameApp;

namespace
{

namespace fs = std::filesystem;

TEST(ScreenshotTest, PicturesFolderComesFromTheUserDirsLine)
{
    struct Case
    {
        const char* pszText;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Pictures\"\n", "/home/ada/Pictures"},
        {"  XDG_PICTURES_DIR=\"/data/shots/\"", "/data/shots"},
        {"# XDG_PICTURES_DIR=\"$HOME/Old\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"", "/home/ada/Bilder"},
        {"XDG_PICTURES_DIR=\"$HOME/\"", ""}, // switched off
        {"XDG_PICTURES_DIR=\"$HOME\"", ""},
        {"XDG_PICTURES_DIR=\"relative/path\"", ""},
        {"XDG_PICTURES_DIR=\"$HOME/unterminated", ""},
        {"XDG_MUSIC_DIR=\"$HOME/Music\"", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParsePicturesDir(c.pszText, "/home/ada"), c.pszExpected) << c.pszText;
}

std::tm Noon()
{
    std::tm time = {};
    time.tm_year = 126;
    time.tm_mon = 11;
    time.tm_mday = 7;
    time.tm_hour = 12;
    time.tm_min = 5;
    time.tm_sec = 9;
    return time;
}

TEST(ScreenshotFiles, FolderIsThePicturesFolderOnlyWhenItExists)
{
    const GameTest::CScratchDir scratch;
    const fs::path dir = scratch.Path();
    const fs::path home = dir / "home";
    fs::create_directories(home / ".config");
    std::ofstream(home / ".config" / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Pictures\"\n";
    const std::map<std::string, std::string> environment = {{"HOME", home.string()}};
    EXPECT_EQ(ScreenshotFolder(environment, "/start"), "/start") << "no Pictures folder yet";
    fs::create_directories(home / "Pictures");
    EXPECT_EQ(ScreenshotFolder(environment, "/start"), (home / "Pictures").string());
    // XDG_CONFIG_HOME moves the user-dirs file.
    const std::map<std::string, std::string> moved = {{"HOME", home.string()},
                                                      {"XDG_CONFIG_HOME", (dir / "elsewhere").string()}};
    EXPECT_EQ(ScreenshotFolder(moved, "/start"), "/start");
    EXPECT_EQ(ScreenshotFolder({}, "/start"), "/start");
}

TEST(ScreenshotFiles, ThePngShowsTheFrameAndNothingIsOverwritten)
{
    const GameTest::CScratchDir scratch;
    const fs::path dir = scratch.Path();
    // Every 5-6-5 value appears across the frame (307,200 pixels, 65,536 values).
    std::vector<WORD> frame(640 * 480);
    for (size_t i = 0; i < frame.size(); ++i)
        frame[i] = static_cast<WORD>(i * 40503u);
    const std::string strFirst = SaveScreenshot(dir.string(), frame, Noon());
    const fs::path first = dir / "velvina-20261207-120509.png";
    EXPECT_EQ(strFirst, "screenshot saved to " + first.string());
    const GameTest::RgbImage picture = GameTest::ReadPng(first.string());
    ASSERT_EQ(picture.nWidth, 640);
    ASSERT_EQ(picture.nHeight, 480);
    for (size_t i = 0; i < frame.size(); ++i)
    {
        const unsigned nRed = frame[i] >> 11;
        const unsigned nGreen = (frame[i] >> 5) & 63;
        const unsigned nBlue = frame[i] & 31;
        const uint8_t* pRgb = &picture.rgb[i * 3];
        ASSERT_EQ(pRgb[0], (nRed * 255 + 15) / 31) << "pixel " << i;
        ASSERT_EQ(pRgb[1], (nGreen * 255 + 31) / 63) << "pixel " << i;
        ASSERT_EQ(pRgb[2], (nBlue * 255 + 15) / 31) << "pixel " << i;
    }

    // The same second again: a new name.
    EXPECT_EQ(SaveScreenshot(dir.string(), frame, Noon()),
              "screenshot saved to " + (dir / "velvina-20261207-120509-2.png").string());
    EXPECT_EQ(ScreenshotPath(dir.string(), Noon()), (dir / "velvina-20261207-120509-3.png").string());

    // Failures are said.
    EXPECT_EQ(SaveScreenshot(dir.string(), {}, Noon()), "screenshot failed: nothing is shown yet");
    const std::string strMissing = (dir / "no-such-folder").string();
    EXPECT_EQ(SaveScreenshot(strMissing, frame, Noon()),
              "screenshot failed: cannot write " + strMissing + "/velvina-20261207-120509.png");
}

} // namespace
