// GameOptions.cpp: the options and variables, their values checked one by one.
#include "apps/game/GameOptions.h"

#include <cstdlib>

namespace GameApp
{

const char* const kOptionVariables[] = {"VELVINA_WINDOW", "VELVINA_SCALE",          "VELVINA_VOLUME",
                                        "VELVINA_MUTE",   "VELVINA_MUTE_UNFOCUSED", "VELVINA_CONTENT"};
const int kOptionVariableCount = static_cast<int>(sizeof(kOptionVariables) / sizeof(kOptionVariables[0]));

namespace
{

bool ParseVolume(const std::string& strText, int* pnVolume)
{
    if (strText.empty() || strText.size() > 3 || strText.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int nVolume = std::atoi(strText.c_str());
    if (nVolume > 100)
        return false;
    *pnVolume = nVolume;
    return true;
}

// "1", "yes", "true" or "on" set a switch; "0", "no", "false", "off" or nothing clear it.
bool ParseSwitch(const std::string& strText, bool* pbValue)
{
    for (const char* pszOn : {"1", "yes", "true", "on"})
        if (strText == pszOn)
        {
            *pbValue = true;
            return true;
        }
    for (const char* pszOff : {"", "0", "no", "false", "off"})
        if (strText == pszOff)
        {
            *pbValue = false;
            return true;
        }
    return false;
}

// One setting by its option name (without the dashes) and its value; an error text or empty.
std::string ApplyValue(GameOptions& options, const std::string& strName, const std::string& strValue)
{
    if (strName == "scale")
        return Platform::ParseScaleMode(strValue.c_str(), &options.eScale) ? ""
                                                                           : "must be fit, integer or smooth";
    if (strName == "volume")
        return ParseVolume(strValue, &options.nVolume) ? "" : "must be a whole number from 0 to 100";
    if (strName == "content")
        return (options.strContentDir = strValue).empty() ? "needs a folder" : "";
    return "is not an option";
}

std::string ApplyEnvironment(GameOptions& options, const std::map<std::string, std::string>& environment)
{
    bool bWindow = !options.bFullscreen;
    const struct
    {
        const char* pszVariable;
        bool* pbValue;
    } switches[] = {{"VELVINA_WINDOW", &bWindow},
                    {"VELVINA_MUTE", &options.bMuted},
                    {"VELVINA_MUTE_UNFOCUSED", &options.bMuteUnfocused}};
    const struct
    {
        const char* pszVariable;
        const char* pszOption;
    } values[] = {{"VELVINA_SCALE", "scale"}, {"VELVINA_VOLUME", "volume"}, {"VELVINA_CONTENT", "content"}};

    for (const auto& entry : switches)
    {
        const auto it = environment.find(entry.pszVariable);
        if (it != environment.end() && !ParseSwitch(it->second, entry.pbValue))
            return std::string(entry.pszVariable) + " must be 1 or 0 (it is \"" + it->second + "\")";
    }
    options.bFullscreen = !bWindow;
    for (const auto& entry : values)
    {
        const auto it = environment.find(entry.pszVariable);
        if (it == environment.end() || it->second.empty())
            continue;
        const std::string strError = ApplyValue(options, entry.pszOption, it->second);
        if (!strError.empty())
            return std::string(entry.pszVariable) + " " + strError + " (it is \"" + it->second + "\")";
    }
    return "";
}

} // namespace

ParsedOptions ParseGameOptions(const std::vector<std::string>& args,
                               const std::map<std::string, std::string>& environment)
{
    ParsedOptions parsed;
    parsed.strError = ApplyEnvironment(parsed.options, environment);
    if (!parsed.strError.empty())
    {
        parsed.eAction = OPTIONS_ERROR;
        return parsed;
    }
    GameOptions& options = parsed.options;
    const auto Fail = [&parsed](const std::string& strError)
    {
        parsed.eAction = OPTIONS_ERROR;
        parsed.strError = strError;
        return parsed;
    };
    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& strArg = args[i];
        if (strArg == "--help" || strArg == "-h")
            parsed.eAction = OPTIONS_HELP;
        else if (strArg == "--version")
        {
            if (parsed.eAction != OPTIONS_HELP) // --help wins over --version, in any order
                parsed.eAction = OPTIONS_VERSION;
        }
        else if (strArg == "--window")
            options.bFullscreen = false;
        else if (strArg == "--fullscreen")
            options.bFullscreen = true;
        else if (strArg == "--mute")
            options.bMuted = true;
        else if (strArg == "--mute-unfocused")
            options.bMuteUnfocused = true;
        else if (strArg.rfind("--", 0) == 0 && strArg.size() > 2)
        {
            // --name VALUE or --name=VALUE.
            const size_t nEquals = strArg.find('=');
            const std::string strName =
                strArg.substr(2, nEquals == std::string::npos ? std::string::npos : nEquals - 2);
            if (strName != "scale" && strName != "volume" && strName != "content")
                return Fail("unknown option " + strArg.substr(0, nEquals));
            std::string strValue;
            if (nEquals != std::string::npos)
                strValue = strArg.substr(nEquals + 1);
            else if (i + 1 < args.size())
                strValue = args[++i];
            else
                return Fail("option --" + strName + " needs a value");
            const std::string strError = ApplyValue(options, strName, strValue);
            if (!strError.empty())
                return Fail("option --" + strName + " " + strError + " (it is \"" + strValue + "\")");
        }
        else
            return Fail("unknown option " + strArg);
    }
    return parsed;
}

std::string UsageText()
{
    return "Usage: velvina [OPTION]...\n"
           "Play VelvinaDemo, the fashion and makeover game.\n"
           "\n"
           "  --window            start in a window (Alt+Enter or F11 switches)\n"
           "  --fullscreen        start full screen (the default)\n"
           "  --scale MODE        fit (the default: as large as fits), integer (whole\n"
           "                      multiples only) or smooth (filtered); F10 switches\n"
           "  --volume N          volume from 0 to 100 (the default: 100)\n"
           "  --mute              start with the sound off (M switches)\n"
           "  --mute-unfocused    silent while the window does not have the focus\n"
           "  --content DIR       the folder that holds content/ (or content/ itself)\n"
           "  --help              show this text and exit\n"
           "  --version           show the version and exit\n"
           "\n"
           "The same settings from the environment (the options win): VELVINA_WINDOW=1,\n"
           "VELVINA_SCALE=MODE, VELVINA_VOLUME=N, VELVINA_MUTE=1, VELVINA_MUTE_UNFOCUSED=1,\n"
           "VELVINA_CONTENT=DIR.\n"
           "\n"
           "Keys: F11 or Alt+Enter full screen, F10 scaling, - and + volume, M mute,\n"
           "F12 screenshot, Alt+F4 quit.\n";
}

} // namespace GameApp
