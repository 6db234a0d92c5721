// WinMain.cpp: entry of velvina.exe, the game on Win32, DirectDraw and DirectSound: finds the
// content, installs the Windows backend and runs the game's scenes.
#include "apps/game/ContentRoot.h"
#include "core/Core.h"
#include "game/GameScenes.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/Window.h"
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
    // The game names its files relative to the working directory (".\content\...").
    GameApp::EnterContentRoot(ExecutableDir());
    Platform::CWin32Clock clock;
    Platform::CWin32Window window;
    Platform::CDirectDrawDisplay display;
    Platform::CWin32SingleInstance lock;
    Platform::CDirectSoundAudio audio;
    Platform::SetClock(&clock);
    Platform::SetWindowBackend(&window);
    Platform::SetAudioBackend(&audio);
    RegisterGameScenes();
    const int nExitCode = Core::AppMain(Core::Services{&window, &display, &lock}, nCmdShow);
    Platform::SetAudioBackend(nullptr);
    Platform::SetWindowBackend(nullptr);
    Platform::SetClock(nullptr);
    return nExitCode;
}
