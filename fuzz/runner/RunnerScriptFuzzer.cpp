// RunnerScriptFuzzer.cpp: the headless runner's script parser on arbitrary text. Every command
// it accepts must be within the screen and carry a line number inside the text.
#include "apps/headless/RunnerScript.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string strText(reinterpret_cast<const char*>(pData), nSize);
    std::vector<Runner::Command> commands;
    std::string strError;
    if (!Runner::ParseScript(strText, commands, strError))
    {
        if (strError.rfind("script line ", 0) != 0)
            std::abort();
        return 0;
    }
    const int nLines = static_cast<int>(std::count(strText.begin(), strText.end(), '\n')) + 1;
    for (const Runner::Command& command : commands)
    {
        if (command.nLine < 1 || command.nLine > nLines || command.nX < 0 || command.nX > 639 ||
            command.nY < 0 || command.nY > 479)
            std::abort();
        if (command.kind == Runner::CommandKind::Key && command.dwValue > 255)
            std::abort();
    }
    return 0;
}
