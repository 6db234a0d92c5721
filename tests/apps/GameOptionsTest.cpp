// GameOptionsTest.cpp: the game's command line and environment: every option, both value
// forms, the environment under the command line, and one-line errors for anything else.
#include "apps/game/GameOptions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace GameApp;

namespace
{

// What the parse decided, in one line: the action (unless it is to run), then every setting,
// or only the error.
std::string Describe(const ParsedOptions& parsed)
{
    if (parsed.eAction == OPTIONS_ERROR)
        return "error: " + parsed.strError;
    const GameOptions& options = parsed.options;
    const char* const apszScales[] = {"fit", "integer", "smooth"};
    std::string strText = parsed.eAction == OPTIONS_HELP      ? "help "
                          : parsed.eAction == OPTIONS_VERSION ? "version "
                                                              : "";
    strText += std::string(options.bFullscreen ? "fullscreen " : "window ") + apszScales[options.eScale] +
               " " + std::to_string(options.nVolume);
    if (options.bMuted)
        strText += " mute";
    if (options.bMuteUnfocused)
        strText += " mute-unfocused";
    if (!options.strContentDir.empty())
        strText += " content=" + options.strContentDir;
    return strText + parsed.strError;
}

TEST(GameOptionsTest, OptionsAndVariablesSetTheFrontendAndAnythingElseIsAOneLineError)
{
    const std::string kVolumeError = "error: option --volume must be a whole number from 0 to 100 (it is ";
    const struct
    {
        std::vector<std::string> args;
        std::map<std::string, std::string> environment;
        std::string strExpected;
    } cases[] = {
        {{}, {}, "fullscreen fit 100"},
        {{"--window", "--scale", "integer", "--volume", "40", "--mute", "--mute-unfocused", "--content",
          "/opt/v"},
         {},
         "window integer 40 mute mute-unfocused content=/opt/v"},
        {{"--scale=smooth", "--volume=0", "--content=here"}, {}, "fullscreen smooth 0 content=here"},
        {{"--window", "--fullscreen", "--scale", "integer", "--scale", "fit"}, {}, "fullscreen fit 100"},
        {{"--volume", "20", "--help"}, {}, "help fullscreen fit 20"},
        {{"--help", "--version"}, {}, "help fullscreen fit 100"},
        {{"--version"}, {}, "version fullscreen fit 100"},
        {{},
         {{"VELVINA_WINDOW", "1"},
          {"VELVINA_SCALE", "smooth"},
          {"VELVINA_VOLUME", "70"},
          {"VELVINA_MUTE", "yes"},
          {"VELVINA_MUTE_UNFOCUSED", "on"},
          {"VELVINA_CONTENT", "/srv/velvina"}},
         "window smooth 70 mute mute-unfocused content=/srv/velvina"},
        {{"--fullscreen", "--scale", "fit", "--volume", "100"},
         {{"VELVINA_WINDOW", "1"}, {"VELVINA_SCALE", "integer"}, {"VELVINA_VOLUME", "10"}},
         "fullscreen fit 100"},
        {{}, {{"VELVINA_SCALE", ""}, {"VELVINA_VOLUME", ""}, {"VELVINA_WINDOW", ""}}, "fullscreen fit 100"},
        {{"--fullscreen", "--turbo"}, {}, "error: unknown option --turbo"},
        {{"--speed=3"}, {}, "error: unknown option --speed"},
        {{"content"}, {}, "error: unknown option content"},
        {{"-w"}, {}, "error: unknown option -w"},
        {{"--scale"}, {}, "error: option --scale needs a value"},
        {{"--scale", "huge"}, {}, "error: option --scale must be fit, integer or smooth (it is \"huge\")"},
        {{"--volume", "101"}, {}, kVolumeError + "\"101\")"},
        {{"--volume=-5"}, {}, kVolumeError + "\"-5\")"},
        {{"--volume", "50.5"}, {}, kVolumeError + "\"50.5\")"},
        {{"--content="}, {}, "error: option --content needs a folder (it is \"\")"},
        {{},
         {{"VELVINA_VOLUME", "loud"}},
         "error: VELVINA_VOLUME must be a whole number from 0 to 100 (it is \"loud\")"},
        {{}, {{"VELVINA_MUTE", "maybe"}}, "error: VELVINA_MUTE must be 1 or 0 (it is \"maybe\")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(ParseGameOptions(c.args, c.environment)), c.strExpected);
}

TEST(GameOptionsTest, UsageNamesEveryOptionAndVariable)
{
    const std::string strUsage = UsageText();
    for (const char* pszOption : {"--help", "--version", "--window", "--fullscreen", "--scale", "--volume",
                                  "--mute", "--mute-unfocused", "--content"})
        EXPECT_NE(strUsage.find(std::string("  ") + pszOption + " "), std::string::npos) << pszOption;
    for (int i = 0; i < kOptionVariableCount; ++i)
        EXPECT_NE(strUsage.find(std::string(kOptionVariables[i]) + "="), std::string::npos)
            << kOptionVariables[i];
}

} // namespace
