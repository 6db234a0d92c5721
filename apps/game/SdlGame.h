// SdlGame.h: runs the shell on the SDL backend with the native single-instance lock.
#pragma once

namespace GameApp
{

// Starts SDL's video on a driver that shows a picture, registers the scenes with the director
// (the game's own, or a test's), then runs the shell until the game ends; returns its exit
// code. Without a display the reason goes to standard error and the result is 1; when the game
// already runs, standard error says so and the running game's window is brought forward.
int RunSdlGame(void (*pfnRegisterScenes)());

} // namespace GameApp
