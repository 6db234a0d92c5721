// ContentRoot.cpp: the three places the game looks for content/.
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

} // namespace GameApp
