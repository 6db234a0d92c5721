// ContentRoot.h: where the game finds its content/ folder.
//
// In order: the working directory, the executable's folder, and ../share/velvina beside the
// executable (an installed game). The first folder that holds content/ becomes the working
// directory, since the game names its files relative to it.
#pragma once

#include <string>
#include <vector>

namespace GameApp
{

struct ContentSearch
{
    bool bFound = false;
    std::string strRoot;               // the folder holding content/, when found
    std::vector<std::string> Searched; // every folder looked at, in order
};

ContentSearch FindContentRoot(const std::string& strWorkingDir, const std::string& strExecutableDir);

// The folder the player named (--content): either the one that holds content/, or content/
// itself. Searched names strDir alone.
ContentSearch FindNamedContentRoot(const std::string& strDir);

// The start of what the player is told when no folder held content/: that the content is
// missing and every folder searched, one a line (each line ends with a line break).
std::string DescribeSearchedFolders(const ContentSearch& search);

// DescribeSearchedFolders followed by how to build the content or name its folder.
std::string DescribeMissingContent(const ContentSearch& search);

} // namespace GameApp
