// GamePath.h: the game's file names on the running system.
//
// The game names its files the Windows way, relative to the working directory, with backslash
// separators (".\content\splash\splash.mri"). NativePath returns the name the system's own file
// calls understand: on Windows the name unchanged; elsewhere every backslash becomes '/'
// ("./content/splash/splash.mri"). Names that already use '/' come back unchanged, so mapping
// twice is harmless.
#pragma once

#include <string>

namespace Platform
{

std::string NativePath(const std::string& strGamePath);

} // namespace Platform
