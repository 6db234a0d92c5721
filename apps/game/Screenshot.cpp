// Screenshot.cpp: the user-dirs line, the free file name and the PNG file.
#include "apps/game/Screenshot.h"

#include "apps/common/PngWriter.h"
#include "platform/ScreenFormat.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace GameApp
{

namespace
{

std::string Lookup(const std::map<std::string, std::string>& environment, const char* pszName)
{
    const auto it = environment.find(pszName);
    return it == environment.end() ? std::string() : it->second;
}

} // namespace

std::string ParsePicturesDir(const std::string& strUserDirs, const std::string& strHome)
{
    std::istringstream lines(strUserDirs);
    std::string strLine;
    const std::string strKey = "XDG_PICTURES_DIR=\"";
    while (std::getline(lines, strLine))
    {
        const size_t nStart = strLine.find_first_not_of(" \t");
        if (nStart == std::string::npos || strLine.compare(nStart, strKey.size(), strKey) != 0)
            continue;
        const size_t nValue = nStart + strKey.size();
        const size_t nEnd = strLine.find('"', nValue);
        if (nEnd == std::string::npos)
            return "";
        std::string strDir = strLine.substr(nValue, nEnd - nValue);
        if (strDir.rfind("$HOME", 0) == 0)
            strDir = strHome + strDir.substr(5);
        // A switched-off folder is written as the home folder itself.
        while (strDir.size() > 1 && strDir.back() == '/')
            strDir.pop_back();
        std::string strPlainHome = strHome;
        while (strPlainHome.size() > 1 && strPlainHome.back() == '/')
            strPlainHome.pop_back();
        return (strDir.empty() || strDir[0] != '/' || strDir == strPlainHome) ? "" : strDir;
    }
    return "";
}

std::string ScreenshotFolder(const std::map<std::string, std::string>& environment,
                             const std::string& strFallbackDir)
{
    const std::string strHome = Lookup(environment, "HOME");
    std::string strConfig = Lookup(environment, "XDG_CONFIG_HOME");
    if (strConfig.empty() && !strHome.empty())
        strConfig = strHome + "/.config";
    if (!strConfig.empty())
    {
        std::ifstream file(strConfig + "/user-dirs.dirs");
        std::stringstream text;
        text << file.rdbuf();
        const std::string strPictures = ParsePicturesDir(text.str(), strHome);
        std::error_code error;
        if (!strPictures.empty() && std::filesystem::is_directory(strPictures, error))
            return strPictures;
    }
    return strFallbackDir;
}

std::string ScreenshotPath(const std::string& strDir, const std::tm& time)
{
    char szStamp[32];
    std::strftime(szStamp, sizeof(szStamp), "%Y%m%d-%H%M%S", &time);
    const std::filesystem::path base = std::filesystem::path(strDir) / (std::string("velvina-") + szStamp);
    std::string strPath = base.string() + ".png";
    std::error_code error;
    for (int n = 2; std::filesystem::exists(strPath, error); ++n)
        strPath = base.string() + "-" + std::to_string(n) + ".png";
    return strPath;
}

std::string SaveScreenshot(const std::string& strDir, const std::vector<WORD>& frame, const std::tm& time)
{
    if (frame.size() != static_cast<size_t>(Platform::kScreenWidth) * Platform::kScreenHeight)
        return "screenshot failed: nothing is shown yet";
    const std::string strPath = ScreenshotPath(strDir, time);
    const std::vector<uint8_t> rgb =
        AppCommon::FrameToRgb(frame.data(), Platform::kScreenWidth, Platform::kFormat565);
    if (!AppCommon::WritePngRgb(strPath, Platform::kScreenWidth, Platform::kScreenHeight, rgb))
        return "screenshot failed: cannot write " + strPath;
    return "screenshot saved to " + strPath;
}

} // namespace GameApp
