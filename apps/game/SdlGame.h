// SdlGame.h: runs the shell on the SDL backend with the native single-instance lock and the
// frontend's settings.
#pragma once

#include "apps/game/GameOptions.h"

#include <string>

namespace GameApp
{

// Starts SDL's video on a driver that shows a picture, registers the scenes with the director
// (the game's own, or a test's), then runs the shell until the game ends; returns its exit
// code. The window, scaling and sound start as options says (its content folder is not used
// here); F12 saves screenshots into strScreenshotDir. Without a display the reason goes to
// standard error and the result is 1; when the game already runs, standard error says so and
// the running game's window is brought forward.
int RunSdlGame(void (*pfnRegisterScenes)(), const GameOptions& options = GameOptions(),
               const std::string& strScreenshotDir = ".");

} // namespace GameApp
