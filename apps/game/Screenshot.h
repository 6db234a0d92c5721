// Screenshot.h: where F12 puts the frame the player sees, and the PNG file it becomes.
//
// The folder is the user's pictures folder as the XDG user-dirs file names it, when it exists,
// else the folder the game was started from. Files are named by the local time,
// velvina-YYYYMMDD-HHMMSS.png, with -2, -3, ... added when a name is taken; nothing is ever
// overwritten.
#pragma once

#include "platform/WinTypes.h"

#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace GameApp
{

// The pictures folder named by a user-dirs file's text (its XDG_PICTURES_DIR line, with $HOME
// expanded); empty when the line is missing or names the home folder itself (the folder is
// switched off).
std::string ParsePicturesDir(const std::string& strUserDirs, const std::string& strHome);

// The folder for screenshots: the pictures folder found through HOME and XDG_CONFIG_HOME of
// environment when it is an existing folder, else strFallbackDir.
std::string ScreenshotFolder(const std::map<std::string, std::string>& environment,
                             const std::string& strFallbackDir);

// The first free file name for a screenshot taken at time in strDir.
std::string ScreenshotPath(const std::string& strDir, const std::tm& time);

// Writes frame (640x480, 5-6-5) as a PNG file in strDir and returns what the title bar says:
// "screenshot saved to PATH" or "screenshot failed: WHY".
std::string SaveScreenshot(const std::string& strDir, const std::vector<WORD>& frame, const std::tm& time);

} // namespace GameApp
