// HeadlessRunner.h: runs the real game on the headless backend from a script.
//
// Exit status: the game's exit code; 1 when a file the runner writes cannot be opened; 2 for a
// bad option or script line (the message names it); 3 when --max-ms of game time ran out.
#pragma once

#include <string>
#include <vector>

namespace Runner
{

constexpr int kExitIoError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitTimedOut = 3;

// args: the command line without the program name; pfnRegisterScenes fills the director's
// scene table (the game's own scenes unless a test gives its own).
int RunHeadless(const std::vector<std::string>& args, void (*pfnRegisterScenes)());

} // namespace Runner
