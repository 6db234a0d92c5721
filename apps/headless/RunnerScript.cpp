// RunnerScript.cpp: parsing of the runner's script lines and command line.
#include "apps/headless/RunnerScript.h"

#include <cstdlib>
#include <sstream>

namespace Runner
{

namespace
{

struct KeyName
{
    const char* pszName;
    DWORD dwCode;
};

const KeyName kKeyNames[] = {
    {"VK_BACK", VK_BACK},       {"VK_TAB", VK_TAB},   {"VK_RETURN", VK_RETURN}, {"VK_SHIFT", VK_SHIFT},
    {"VK_CONTROL", VK_CONTROL}, {"VK_MENU", VK_MENU}, {"VK_ESCAPE", VK_ESCAPE}, {"VK_SPACE", VK_SPACE},
    {"VK_LEFT", VK_LEFT},       {"VK_UP", VK_UP},     {"VK_RIGHT", VK_RIGHT},   {"VK_DOWN", VK_DOWN},
    {"VK_F4", VK_F4},
};

// A whole decimal number within [0, dwMax].
BOOL ParseNumber(const std::string& strToken, DWORD dwMax, DWORD& dwValue)
{
    if (strToken.empty() || strToken.size() > 10)
        return FALSE;
    unsigned long long nValue = 0;
    for (char ch : strToken)
    {
        if (ch < '0' || ch > '9')
            return FALSE;
        nValue = nValue * 10 + static_cast<unsigned>(ch - '0');
    }
    if (nValue > dwMax)
        return FALSE;
    dwValue = static_cast<DWORD>(nValue);
    return TRUE;
}

// Screen coordinates: 0..639 and 0..479.
BOOL ParsePoint(const std::vector<std::string>& words, size_t nFirst, Command& command)
{
    DWORD dwX = 0;
    DWORD dwY = 0;
    if (words.size() != nFirst + 2 || !ParseNumber(words[nFirst], 639, dwX) ||
        !ParseNumber(words[nFirst + 1], 479, dwY))
        return FALSE;
    command.nX = static_cast<int>(dwX);
    command.nY = static_cast<int>(dwY);
    return TRUE;
}

BOOL ParseButton(const std::string& strWord, BOOL& bRight)
{
    if (strWord != "left" && strWord != "right")
        return FALSE;
    bRight = strWord == "right";
    return TRUE;
}

std::vector<std::string> SplitWords(const std::string& strLine)
{
    std::istringstream stream(strLine);
    std::vector<std::string> words;
    std::string strWord;
    while (stream >> strWord)
        words.push_back(strWord);
    return words;
}

// One non-empty line into a command; the text of what is wrong otherwise.
BOOL ParseLine(const std::vector<std::string>& words, Command& command, std::string& strWhat)
{
    const std::string& strVerb = words[0];
    const size_t nCount = words.size();
    if (strVerb == "wait")
    {
        command.kind = CommandKind::Wait;
        if (nCount == 2 && ParseNumber(words[1], 0x7FFFFFFF, command.dwValue))
            return TRUE;
        strWhat = "expected 'wait MS'";
    }
    else if (strVerb == "move" || strVerb == "click")
    {
        command.kind = strVerb == "move" ? CommandKind::Move : CommandKind::Click;
        if (ParsePoint(words, 1, command))
            return TRUE;
        strWhat = "expected '" + strVerb + " X Y' with X in 0..639 and Y in 0..479";
    }
    else if (strVerb == "press" || strVerb == "release")
    {
        command.kind = strVerb == "press" ? CommandKind::Press : CommandKind::Release;
        if (nCount >= 2 && ParseButton(words[1], command.bRightButton) && ParsePoint(words, 2, command))
            return TRUE;
        strWhat = "expected '" + strVerb + " left|right X Y' with X in 0..639 and Y in 0..479";
    }
    else if (strVerb == "key")
    {
        command.kind = CommandKind::Key;
        if (nCount == 2 && ParseKeyCode(words[1], command.dwValue))
            return TRUE;
        strWhat = "expected 'key CODE' with a decimal code 0..255 or a VK_ name";
    }
    else if (strVerb == "shot")
    {
        command.kind = CommandKind::Shot;
        if (nCount == 2 && words[1].size() > 4 && words[1].compare(words[1].size() - 4, 4, ".png") == 0)
        {
            command.strFile = words[1];
            return TRUE;
        }
        strWhat = "expected 'shot FILE.png'";
    }
    else if (strVerb == "close")
    {
        command.kind = CommandKind::Close;
        if (nCount == 1)
            return TRUE;
        strWhat = "expected 'close'";
    }
    else
        strWhat = "unknown command '" + strVerb + "'";
    return FALSE;
}

} // namespace

BOOL ParseKeyCode(const std::string& strToken, DWORD& dwCode)
{
    for (const KeyName& key : kKeyNames)
        if (strToken == key.pszName)
        {
            dwCode = key.dwCode;
            return TRUE;
        }
    return ParseNumber(strToken, 255, dwCode);
}

BOOL ParseScript(const std::string& strText, std::vector<Command>& commands, std::string& strError)
{
    std::istringstream stream(strText);
    std::string strLine;
    int nLine = 0;
    while (std::getline(stream, strLine))
    {
        ++nLine;
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        const std::vector<std::string> words = SplitWords(strLine);
        if (words.empty() || words[0][0] == '#')
            continue;
        Command command{};
        command.nLine = nLine;
        std::string strWhat;
        if (!ParseLine(words, command, strWhat))
        {
            strError = "script line " + std::to_string(nLine) + ": " + strWhat + ": " + strLine;
            return FALSE;
        }
        commands.push_back(command);
    }
    return TRUE;
}

BOOL ParseOptions(const std::vector<std::string>& args, Options& options, std::string& strError)
{
    // Every option takes one value: the arguments come in pairs.
    for (size_t i = 0; i < args.size(); i += 2)
    {
        const std::string& strOption = args[i];
        const bool bHasValue = i + 1 < args.size();
        const std::string strValue = bHasValue ? args[i + 1] : std::string();
        BOOL bGood = bHasValue;
        if (strOption == "--root")
            options.strRoot = strValue;
        else if (strOption == "--script")
            options.strScript = strValue;
        else if (strOption == "--trace")
            options.strTrace = strValue;
        else if (strOption == "--journal")
            options.strJournal = strValue;
        else if (strOption == "--audio-out")
            options.strAudioOut = strValue;
        else if (strOption == "--max-ms")
            bGood = bGood && ParseNumber(strValue, 0x7FFFFFFF, options.dwMaxMs);
        else if (strOption == "--format")
        {
            bGood = bGood && (strValue == "565" || strValue == "555" || strValue == "other");
            options.strFormat = strValue;
        }
        else if (strOption == "--audio")
        {
            bGood = bGood && (strValue == "device" || strValue == "none" || strValue == "fail");
            options.audio = strValue == "none"   ? AudioMode::None
                            : strValue == "fail" ? AudioMode::Fail
                                                 : AudioMode::Device;
        }
        else
        {
            strError = "unknown option '" + strOption + "'";
            return FALSE;
        }
        if (!bGood || strValue.empty())
        {
            strError = bHasValue ? "bad value '" + strValue + "' for " + strOption
                                 : "missing value for " + strOption;
            return FALSE;
        }
    }
    return TRUE;
}

} // namespace Runner
