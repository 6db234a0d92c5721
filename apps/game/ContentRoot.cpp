// ContentRoot.cpp: the three places the game looks for content/, and the message when none has it.
#include "apps/game/ContentRoot.h"

#include <filesystem>

namespace GameApp
{

namespace
{

namespace fs = std::filesystem;

// The path without "." and ".." steps and without a trailing separator.
fs::path Normal(const fs::path& path)
{
    fs::path normal = path.lexically_normal();
    if (!normal.has_filename() && normal.has_parent_path())
        normal = normal.parent_path();
    return normal;
}

bool HoldsContent(const fs::path& dir)
{
    std::error_code error;
    return fs::is_directory(dir / "content", error);
}

} // namespace

ContentSearch FindContentRoot(const std::string& strWorkingDir, const std::string& strExecutableDir)
{
    ContentSearch search;
    std::vector<fs::path> candidates = {fs::path(strWorkingDir)};
    if (!strExecutableDir.empty())
    {
        candidates.push_back(fs::path(strExecutableDir));
        candidates.push_back(fs::path(strExecutableDir) / ".." / "share" / "velvina");
    }
    for (const fs::path& candidate : candidates)
    {
        const fs::path normal = Normal(candidate);
        search.Searched.push_back(normal.string());
        if (HoldsContent(normal))
        {
            search.bFound = true;
            search.strRoot = normal.string();
            return search;
        }
    }
    return search;
}

ContentSearch FindNamedContentRoot(const std::string& strDir)
{
    ContentSearch search;
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(strDir), error);
    const fs::path normal = Normal(error ? fs::path(strDir) : absolute);
    search.Searched.push_back(normal.string());
    fs::path root;
    if (HoldsContent(normal))
        root = normal;
    else if (normal.filename() == "content" && HoldsContent(normal.parent_path()))
        root = normal.parent_path();
    search.bFound = !root.empty();
    search.strRoot = root.string();
    return search;
}

std::string DescribeSearchedFolders(const ContentSearch& search)
{
    // Short lines: a message box is as wide as its longest line.
    std::string strText =
        "VelvinaDemo cannot find its pictures and sounds.\nThere is no content folder in:\n";
    for (const std::string& strDir : search.Searched)
        strText += "    " + strDir + "\n";
    return strText;
}

std::string DescribeMissingContent(const ContentSearch& search)
{
    return DescribeSearchedFolders(search) + "The build makes the content. In the source folder, run\n"
                                             "    cmake --preset default && cmake --build --preset default\n"
                                             "and start the game with build/default/run-game.sh,\n"
                                             "install it with cmake --install, or name the folder\n"
                                             "that holds content/ with --content DIR.";
}

} // namespace GameApp
