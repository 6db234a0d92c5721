// RunnerScript.h: the headless runner's script language and command line.
//
// A script is a list of lines: wait MS, move X Y, press|release left|right X Y, click X Y,
// key CODE (decimal or VK_ name), shot FILE.png, close. Blank lines and lines starting with
// '#' are skipped. Parsing stops at the first bad line with a message naming it.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

namespace Runner
{

enum class CommandKind
{
    Wait,
    Move,
    Press,
    Release,
    Click,
    Key,
    Shot,
    Close,
};

struct Command
{
    CommandKind kind;
    DWORD dwValue;     // wait: ms; key: virtual-key code
    BOOL bRightButton; // press, release
    int nX;
    int nY;
    std::string strFile; // shot
    int nLine;           // 1-based line in the script
};

// Parses the script text; on a bad line returns FALSE and sets strError to a message that
// names the line ("script line 3: ...").
BOOL ParseScript(const std::string& strText, std::vector<Command>& commands, std::string& strError);

// The virtual-key code of a VK_ name or decimal number; FALSE when it is neither.
BOOL ParseKeyCode(const std::string& strToken, DWORD& dwCode);

enum class AudioMode
{
    Device,
    None,
    Fail,
};

struct Options
{
    std::string strRoot;
    std::string strScript; // "" none, "-" standard input
    DWORD dwMaxMs = 600000;
    std::string strFormat = "565";
    AudioMode audio = AudioMode::Device;
    std::string strTrace;
    std::string strJournal;
    std::string strAudioOut;
};

// Parses the command line (without the program name); FALSE with strError naming the option.
BOOL ParseOptions(const std::vector<std::string>& args, Options& options, std::string& strError);

} // namespace Runner
