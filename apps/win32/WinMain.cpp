// WinMain.cpp: entry of velvina.exe, the game on Win32, DirectDraw and DirectSound: finds the
// content, installs the Windows backend bundle and runs the game's scenes.
#include "apps/game/ContentRoot.h"
#include "core/Core.h"
#include "game/GameScenes.h"
#include "platform/Backend.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Backend.h"
#include "trace/DebugTrace.h"

#include <filesystem>
#include <string>

namespace
{

std::string ExecutableDir()
{
    char szPath[MAX_PATH];
    const DWORD dwLength = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    if (dwLength == 0 || dwLength >= MAX_PATH)
        return std::string();
    return std::filesystem::path(szPath).parent_path().string();
}

// The game names its files relative to the working directory (".\content\..."): the folder
// that holds content\ becomes it, the working directory itself or else the executable's. With
// none the game could only show a black screen, so the player is told where it looked.
bool EnterContentRoot()
{
    std::error_code error;
    const GameApp::ContentSearch search =
        GameApp::FindContentRoot(std::filesystem::current_path(error).string(), ExecutableDir());
    if (search.bFound)
    {
        std::filesystem::current_path(search.strRoot, error);
        return true;
    }
    const std::string strMessage =
        GameApp::DescribeSearchedFolders(search) +
        "Keep the content folder beside velvina.exe, as the VelvinaDemo-win64.zip package has it.";
    DebugTrace("Error: no content folder found");
    ::MessageBoxA(nullptr, strMessage.c_str(), "VelvinaDemo", MB_OK | MB_ICONERROR);
    return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow)
{
    Platform::CWin32Backend win32;
    Platform::CScopedBackend scope(win32.Bundle());
    if (!EnterContentRoot())
        return 1;
    RegisterGameScenes();
    return Core::AppMain(nCmdShow);
}
