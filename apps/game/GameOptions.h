// GameOptions.h: the frontend's settings from the command line and the environment.
//
// None of them reaches the game itself: they choose how the window starts, how the picture is
// scaled, the volume, and where the content is. The environment (for packagers) gives the
// defaults and the command line overrides it; nothing is ever written back.
#pragma once

#include "platform/Letterbox.h"

#include <map>
#include <string>
#include <vector>

namespace GameApp
{

struct GameOptions
{
    bool bFullscreen = true;
    Platform::ScaleMode eScale = Platform::SCALE_FIT;
    int nVolume = 100;
    bool bMuted = false;
    bool bMuteUnfocused = false;
    std::string strContentDir; // empty: search the usual places
};

enum OptionsAction : int
{
    OPTIONS_RUN,
    OPTIONS_HELP,
    OPTIONS_VERSION,
    OPTIONS_ERROR, // strError says what is wrong, in one line
};

struct ParsedOptions
{
    OptionsAction eAction = OPTIONS_RUN;
    GameOptions options;
    std::string strError;
};

// The environment variables read, each with its meaning in the usage text.
extern const char* const kOptionVariables[];
extern const int kOptionVariableCount;

// Reads the variables of environment (by name; absent names are unset), then the arguments
// after the program's name.
ParsedOptions ParseGameOptions(const std::vector<std::string>& args,
                               const std::map<std::string, std::string>& environment);

// The usage text for --help and after an error.
std::string UsageText();

} // namespace GameApp
