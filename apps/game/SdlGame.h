// SdlGame.h: runs the shell on the SDL backend with the native single-instance lock.
#pragma once

namespace GameApp
{

// Registers the scenes with the director (the game's own, or a test's), then runs the shell
// until the game ends; returns its exit code.
int RunSdlGame(void (*pfnRegisterScenes)());

} // namespace GameApp
