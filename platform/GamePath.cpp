// GamePath.cpp: maps the game's backslash file names to native ones.
#include "platform/GamePath.h"

#include <algorithm>

namespace Platform
{

std::string NativePath(const std::string& strGamePath)
{
#ifdef _WIN32
    return strGamePath;
#else
    std::string strNative = strGamePath;
    std::replace(strNative.begin(), strNative.end(), '\\', '/');
    return strNative;
#endif
}

} // namespace Platform
