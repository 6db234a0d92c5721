// CoreSound.h: where the shell starts and ends the sound engine.
#pragma once

#include "platform/WinTypes.h"

namespace Core
{

// Creates the global sound engine and initialises it for hwnd; a failed initialisation is
// traced and the game goes on.
void CreateSoundEngineFor(HWND hwnd);
// Destroys the global sound engine, if there is one.
void DestroySoundEngineIfAny();
// With FALSE, CreateSoundEngineFor makes no engine at all and the game runs without one (the
// headless runner's "--audio none"). TRUE by default.
void EnableSoundEngine(BOOL bEnable);

} // namespace Core
