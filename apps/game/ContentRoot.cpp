// ContentRoot.cpp: the three places the game looks for content/, and the message when none has it.
#include "apps/game/ContentRoot.h"

#include <filesystem>

namespace GameApp
{

ContentSearch FindContentRoot(const std::string& strWorkingDir, const std::string& strExecutableDir)
{
    namespace fs = std::filesystem;
    ContentSearch search;
    std::vector<fs::path> candidates = {fs::path(strWorkingDir)};
    if (!strExecutableDir.empty())
    {
        candidates.push_back(fs::path(strExecutableDir));
        candidates.push_back(fs::path(strExecutableDir) / ".." / "share" / "velvina");
    }
    for (const fs::path& candidate : candidates)
    {
        fs::path normal = candidate.lexically_normal();
        if (!normal.has_filename() && normal.has_parent_path())
            normal = normal.parent_path(); // no trailing separator
        search.Searched.push_back(normal.string());
        std::error_code error;
        if (fs::is_directory(normal / "content", error))
        {
            search.bFound = true;
            search.strRoot = normal.string();
            return search;
        }
    }
    return search;
}

std::string DescribeMissingContent(const ContentSearch& search)
{
    // Short lines: a message box is as wide as its longest line.
    std::string strText =
        "VelvinaDemo cannot find its pictures and sounds.\nThere is no content folder in:\n";
    for (const std::string& strDir : search.Searched)
        strText += "    " + strDir + "\n";
    strText += "The build makes the content. In the source folder, run\n"
               "    cmake --preset default && cmake --build --preset default\n"
               "and start the game with build/default/run-game.sh,\n"
               "or install it with cmake --install.";
    return strText;
}

} // namespace GameApp
