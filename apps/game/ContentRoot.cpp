// ContentRoot.cpp: the three places the game looks for content/.
#include "apps/game/ContentRoot.h"

#include "trace/DebugTrace.h"

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

void EnterContentRoot(const std::string& strExecutableDir)
{
    std::error_code error;
    const ContentSearch search =
        FindContentRoot(std::filesystem::current_path(error).string(), strExecutableDir);
    if (search.bFound)
    {
        std::filesystem::current_path(search.strRoot, error);
        return;
    }
    std::string strSearched;
    for (const std::string& strDir : search.Searched)
        strSearched += (strSearched.empty() ? "" : ", ") + strDir;
    DebugTrace("Warning: no content folder found; searched %s", strSearched.c_str());
}

} // namespace GameApp
