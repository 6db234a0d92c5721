// End-to-end tests of velvina-headless in-process: a script that waits, moves, clicks and
// takes shots, the journal, the display formats and the exit statuses.
#include "apps/headless/HeadlessRunner.h"
#include "scene/Scene.h"
#include "scene/SceneDirector.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{

// Paints the left half in pure red and the right half in pure blue of the display's format,
// and a white 3x3 mark on every button release.
class CPaletteScene : public CScene
{
public:
    static CScene* Create(DWORD dwRed, DWORD dwGreen, DWORD dwBlue)
    {
        auto* pScene = new CPaletteScene;
        pScene->m_dwRed = dwRed;
        pScene->m_dwWhite = dwRed | dwGreen | dwBlue;
        pScene->m_dwBlue = dwBlue;
        return pScene;
    }
    void Draw(WORD* pPixels, LONG nPitch, BOOL) override
    {
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                pPixels[y * (nPitch / 2) + x] = static_cast<WORD>(x < 320 ? m_dwRed : m_dwBlue);
        for (const POINT& pt : m_Marks)
            for (int y = pt.y - 1; y <= pt.y + 1; ++y)
                for (int x = pt.x - 1; x <= pt.x + 1; ++x)
                    if (x >= 0 && y >= 0 && x < 640 && y < 480)
                        pPixels[y * (nPitch / 2) + x] = static_cast<WORD>(m_dwWhite);
    }
    void Reserved() override {}
    BOOL OnMouse(WPARAM, LPARAM lPosition, BOOL bButtonUp) override
    {
        if (bButtonUp)
            m_Marks.push_back(POINT{GET_X_LPARAM(lPosition), GET_Y_LPARAM(lPosition)});
        return TRUE;
    }

private:
    DWORD m_dwRed = 0;
    DWORD m_dwWhite = 0;
    DWORD m_dwBlue = 0;
    std::vector<POINT> m_Marks;
};

// One pixel of a 640x480 PNG as {r, g, b}; empty when the file is not one.
std::vector<int> Pixel(const std::string& strPath, int nX, int nY)
{
    const GameTest::RgbImage image = GameTest::ReadPng(strPath);
    if (image.nWidth != 640 || image.nHeight != 480)
        return {};
    const uint8_t* p = image.At(nX, nY);
    return {p[0], p[1], p[2]};
}

class HeadlessRunnerTest : public ::testing::Test
{
protected:
    HeadlessRunnerTest()
    {
        m_Dir = std::filesystem::path(::testing::TempDir()) /
                ("runner-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_Dir);
        std::filesystem::create_directories(m_Dir);
    }
    ~HeadlessRunnerTest() override
    {
        ClearScenes();
        g_SceneDirector.Start(); // drops the last scene
    }

    static void ClearScenes()
    {
        for (int nState = 0; nState < SCENESTATE_COUNT; ++nState)
            g_SceneDirector.SetSceneFactory(nState, nullptr, nullptr);
    }
    static void RegisterPaletteScene()
    {
        ClearScenes();
        g_SceneDirector.SetSceneFactory(SCENESTATE_SPLASH, &CPaletteScene::Create, "CPaletteScene");
    }

    std::string Path(const char* pszName) const { return (m_Dir / pszName).string(); }
    std::string WriteScript(const std::string& strText) const
    {
        std::ofstream(Path("s.txt")) << strText;
        return Path("s.txt");
    }
    int Run(std::vector<std::string> args)
    {
        args.insert(args.begin(),
                    {"--root", m_Dir.string(), "--journal", Path("j.txt"), "--trace", Path("t.txt")});
        return Runner::RunHeadless(args, &RegisterPaletteScene);
    }

    std::filesystem::path m_Dir;
};

TEST_F(HeadlessRunnerTest, ScriptWaitsMovesClicksAndTakesShots)
{
    const std::string strScript = WriteScript("wait 100\n"
                                              "move 100 100\n"
                                              "shot " +
                                              Path("before.png") +
                                              "\n"
                                              "click 100 200\n"
                                              "press right 500 50\n"
                                              "release right 500 50\n"
                                              "wait 50\n"
                                              "shot " +
                                              Path("after.png") + "\n");
    EXPECT_EQ(Run({"--script", strScript}), 0);

    EXPECT_EQ(GameTest::ReadFile(Path("j.txt")), "0 scene 0 CPaletteScene\n150 quit 0\n");
    EXPECT_EQ(Pixel(Path("before.png"), 100, 200), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(Pixel(Path("after.png"), 100, 200), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(Pixel(Path("after.png"), 500, 50), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(Pixel(Path("after.png"), 102, 202), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(Pixel(Path("after.png"), 639, 479), (std::vector<int>{0, 0, 255}));
}

TEST_F(HeadlessRunnerTest, ShotShowsTheSameColoursInEveryDisplayFormat)
{
    for (const char* pszFormat : {"565", "555", "other"})
    {
        const std::string strScript = WriteScript("wait 40\nshot " + Path("f.png") + "\n");
        EXPECT_EQ(Run({"--script", strScript, "--format", pszFormat}), 0) << pszFormat;
        EXPECT_EQ(Pixel(Path("f.png"), 0, 0), (std::vector<int>{255, 0, 0})) << pszFormat;
        EXPECT_EQ(Pixel(Path("f.png"), 639, 0), (std::vector<int>{0, 0, 255})) << pszFormat;
    }
}

TEST_F(HeadlessRunnerTest, WaitsBeyondMaxMsDoNotWrapTheTimeline)
{
    // Three waits add up past 2^32 ms; a wrapped sum would put the shot near the start.
    const std::string strScript =
        WriteScript("wait 2147483647\nwait 2147483647\nwait 10\nshot " + Path("late.png") + "\n");
    EXPECT_EQ(Run({"--script", strScript, "--max-ms", "300"}), Runner::kExitTimedOut);
    EXPECT_EQ(GameTest::ReadFile(Path("j.txt")), "0 scene 0 CPaletteScene\n300 quit 0\n");
    EXPECT_FALSE(std::filesystem::exists(Path("late.png")));
}

TEST_F(HeadlessRunnerTest, BadScriptOrMissingRootExitsTwoBeforeTheGameStarts)
{
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Run({"--script", WriteScript("wait 10\nclick 700 10\n")}), Runner::kExitUsage);
    EXPECT_FALSE(std::filesystem::exists(Path("j.txt")));
    EXPECT_EQ(Runner::RunHeadless({"--root", Path("missing")}, &RegisterPaletteScene), Runner::kExitUsage);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("--root"), std::string::npos);
}

TEST_F(HeadlessRunnerTest, UnwritableShotExitsOne)
{
    const std::string strScript = WriteScript("shot " + Path("no/such/dir/x.png") + "\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Run({"--script", strScript}), Runner::kExitIoError);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("x.png"), std::string::npos);
}

} // namespace
