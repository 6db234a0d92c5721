// WinMain.cpp: entry of velvina.exe, the game on Win32, DirectDraw and DirectSound: finds the
// content, installs the Windows backend bundle and runs the game's scenes.
#include "apps/game/ContentRoot.h"
#include "core/Core.h"
#include "game/GameScenes.h"
#include "platform/Backend.h"
#include "platform/win32/DebuggerTraceSink.h"
#include "platform/win32/DirectDrawDisplay.h"
#include "platform/win32/DirectSoundAudio.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32SingleInstance.h"
#include "platform/win32/Win32Window.h"

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

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow)
{
    Platform::CDebuggerTraceSink traceSink;
    Platform::CWin32Clock clock;
    Platform::CWin32Window window;
    Platform::CDirectDrawDisplay display;
    Platform::CWin32SingleInstance lock;
    Platform::CDirectSoundAudio audio;
    Platform::Backend backend;
    backend.pWindow = &window;
    backend.pDisplay = &display;
    backend.pSingleInstance = &lock;
    backend.pAudio = &audio;
    backend.pClock = &clock;
    backend.pTraceSink = &traceSink;
    Platform::CScopedBackend scope(backend);

    // The game names its files relative to the working directory (".\content\...").
    GameApp::EnterContentRoot(ExecutableDir());
    RegisterGameScenes();
    return Core::AppMain(nCmdShow);
}
