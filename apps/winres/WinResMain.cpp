// WinResMain.cpp: velvina-winres DIR writes velvina.ico (resource 101) and velvina.cur (resource
// 106) of the Windows executable into DIR, from the same art the SDL game shows.
#include "apps/winres/IconFile.h"

#include <cstdio>
#include <string>

namespace
{

bool WriteFile(const std::string& strPath, const std::vector<uint8_t>& bytes)
{
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile)
        return false;
    const bool bWritten = std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    return std::fclose(pFile) == 0 && bWritten;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: velvina-winres DIR\n");
        return 2;
    }
    const std::string strDir = argv[1];
    const std::string strIcon = strDir + "/velvina.ico";
    const std::string strCursor = strDir + "/velvina.cur";
    if (!WriteFile(strIcon, GameApp::MakeIconFile(Platform::DrawAppIcon(), GameApp::IconKind::Icon)) ||
        !WriteFile(strCursor, GameApp::MakeIconFile(Platform::DrawArrowCursor(), GameApp::IconKind::Cursor)))
    {
        std::fprintf(stderr, "velvina-winres: cannot write %s or %s\n", strIcon.c_str(), strCursor.c_str());
        return 1;
    }
    return 0;
}
