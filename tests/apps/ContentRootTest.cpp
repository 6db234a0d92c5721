// ContentRootTest.cpp: the game's search for its content folder.
#include "apps/game/ContentRoot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{

TEST(ContentRootTest, SearchesWorkingDirThenExecutableDirThenShare)
{
    namespace fs = std::filesystem;
    const fs::path base = fs::path(::testing::TempDir()) / "content-root";
    fs::remove_all(base);
    fs::create_directories(base / "work");
    fs::create_directories(base / "bin");
    fs::create_directories(base / "share" / "velvina" / "content");

    GameApp::ContentSearch search =
        GameApp::FindContentRoot((base / "work").string(), (base / "bin").string() + "/");
    EXPECT_TRUE(search.bFound);
    EXPECT_EQ(search.strRoot, (base / "share" / "velvina").string());

    fs::create_directories(base / "bin" / "content");
    search = GameApp::FindContentRoot((base / "work").string(), (base / "bin").string());
    EXPECT_EQ(search.strRoot, (base / "bin").string());

    fs::create_directories(base / "work" / "content");
    search = GameApp::FindContentRoot((base / "work").string(), (base / "bin").string());
    EXPECT_EQ(search.strRoot, (base / "work").string());

    fs::remove_all(base);
    search = GameApp::FindContentRoot((base / "work").string(), (base / "bin").string());
    EXPECT_FALSE(search.bFound);
    const std::vector<std::string> expected = {(base / "work").string(), (base / "bin").string(),
                                               (base / "share" / "velvina").string()};
    EXPECT_EQ(search.Searched, expected);

    // The player is told every folder, one a line, and how to build the content.
    const std::string strMessage = GameApp::DescribeMissingContent(search);
    for (const std::string& strDir : expected)
        EXPECT_NE(strMessage.find("\n    " + strDir + "\n"), std::string::npos) << strMessage;
    EXPECT_NE(strMessage.find("cmake --build --preset default"), std::string::npos) << strMessage;
}

} // namespace
