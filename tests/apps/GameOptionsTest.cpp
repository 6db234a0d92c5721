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

struct Case
{
    const char* pszName;
    std::vector<std::string> args;
    std::map<std::string, std::string> environment;
    OptionsAction eAction;
    GameOptions expected;
    const char* pszError; // the whole one-line error, for OPTIONS_ERROR
};

GameOptions With(bool bFullscreen, Platform::ScaleMode eScale, int nVolume, bool bMuted, bool bMuteUnfocused,
                 const char* pszContent = "")
{
    GameOptions options;
    options.bFullscreen = bFullscreen;
    options.eScale = eScale;
    options.nVolume = nVolume;
    options.bMuted = bMuted;
    options.bMuteUnfocused = bMuteUnfocused;
    options.strContentDir = pszContent;
    return options;
}

TEST(GameOptionsTest, OptionsAndVariablesSetTheFrontendAndAnythingElseIsAOneLineError)
{
    using namespace Platform;
    const GameOptions defaults;
    const Case cases[] = {
        {"nothing", {}, {}, OPTIONS_RUN, defaults, ""},
        {"every option",
         {"--window", "--scale", "integer", "--volume", "40", "--mute", "--mute-unfocused", "--content",
          "/opt/v"},
         {},
         OPTIONS_RUN,
         With(false, SCALE_INTEGER, 40, true, true, "/opt/v"),
         ""},
        {"equals form",
         {"--scale=smooth", "--volume=0", "--content=here"},
         {},
         OPTIONS_RUN,
         With(true, SCALE_SMOOTH, 0, false, false, "here"),
         ""},
        {"last wins",
         {"--window", "--fullscreen", "--scale", "integer", "--scale", "fit"},
         {},
         OPTIONS_RUN,
         defaults,
         ""},
        {"help", {"--volume", "20", "--help"}, {}, OPTIONS_HELP, With(true, SCALE_FIT, 20, false, false), ""},
        {"help beats version", {"--help", "--version"}, {}, OPTIONS_HELP, defaults, ""},
        {"version", {"--version"}, {}, OPTIONS_VERSION, defaults, ""},
        {"environment",
         {},
         {{"VELVINA_WINDOW", "1"},
          {"VELVINA_SCALE", "smooth"},
          {"VELVINA_VOLUME", "70"},
          {"VELVINA_MUTE", "yes"},
          {"VELVINA_MUTE_UNFOCUSED", "on"},
          {"VELVINA_CONTENT", "/srv/velvina"}},
         OPTIONS_RUN,
         With(false, SCALE_SMOOTH, 70, true, true, "/srv/velvina"),
         ""},
        {"options over environment",
         {"--fullscreen", "--scale", "fit", "--volume", "100"},
         {{"VELVINA_WINDOW", "1"}, {"VELVINA_SCALE", "integer"}, {"VELVINA_VOLUME", "10"}},
         OPTIONS_RUN,
         defaults,
         ""},
        {"empty variables are unset",
         {},
         {{"VELVINA_SCALE", ""}, {"VELVINA_VOLUME", ""}, {"VELVINA_WINDOW", ""}},
         OPTIONS_RUN,
         defaults,
         ""},
        {"unknown option",
         {"--fullscreen", "--turbo"},
         {},
         OPTIONS_ERROR,
         defaults,
         "unknown option --turbo"},
        {"unknown option with a value", {"--speed=3"}, {}, OPTIONS_ERROR, defaults, "unknown option --speed"},
        {"not an option", {"content"}, {}, OPTIONS_ERROR, defaults, "unknown option content"},
        {"single dash", {"-w"}, {}, OPTIONS_ERROR, defaults, "unknown option -w"},
        {"missing value", {"--scale"}, {}, OPTIONS_ERROR, defaults, "option --scale needs a value"},
        {"bad mode",
         {"--scale", "huge"},
         {},
         OPTIONS_ERROR,
         defaults,
         "option --scale must be fit, integer or smooth (it is \"huge\")"},
        {"volume too high",
         {"--volume", "101"},
         {},
         OPTIONS_ERROR,
         defaults,
         "option --volume must be a whole number from 0 to 100 (it is \"101\")"},
        {"negative volume",
         {"--volume=-5"},
         {},
         OPTIONS_ERROR,
         defaults,
         "option --volume must be a whole number from 0 to 100 (it is \"-5\")"},
        {"volume with a fraction",
         {"--volume", "50.5"},
         {},
         OPTIONS_ERROR,
         defaults,
         "option --volume must be a whole number from 0 to 100 (it is \"50.5\")"},
        {"empty content",
         {"--content="},
         {},
         OPTIONS_ERROR,
         defaults,
         "option --content needs a folder (it is \"\")"},
        {"bad variable",
         {},
         {{"VELVINA_VOLUME", "loud"}},
         OPTIONS_ERROR,
         defaults,
         "VELVINA_VOLUME must be a whole number from 0 to 100 (it is \"loud\")"},
        {"bad switch",
         {},
         {{"VELVINA_MUTE", "maybe"}},
         OPTIONS_ERROR,
         defaults,
         "VELVINA_MUTE must be 1 or 0 (it is \"maybe\")"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        const ParsedOptions parsed = ParseGameOptions(c.args, c.environment);
        EXPECT_EQ(parsed.eAction, c.eAction) << parsed.strError;
        EXPECT_EQ(parsed.strError, c.pszError);
        if (c.eAction == OPTIONS_ERROR)
            continue;
        EXPECT_EQ(parsed.options.bFullscreen, c.expected.bFullscreen);
        EXPECT_EQ(parsed.options.eScale, c.expected.eScale);
        EXPECT_EQ(parsed.options.nVolume, c.expected.nVolume);
        EXPECT_EQ(parsed.options.bMuted, c.expected.bMuted);
        EXPECT_EQ(parsed.options.bMuteUnfocused, c.expected.bMuteUnfocused);
        EXPECT_EQ(parsed.options.strContentDir, c.expected.strContentDir);
    }
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
