// Tests of the runner's script and command-line parsing.
#include "apps/headless/RunnerScript.h"

#include <gtest/gtest.h>

namespace
{

using Runner::Command;
using Runner::CommandKind;

TEST(RunnerScriptTest, ParsesEveryCommand)
{
    const std::string strScript = "# a comment\n"
                                  "\n"
                                  "wait 250\r\n"
                                  "  move 10 20\n"
                                  "press right 639 479\n"
                                  "release left 0 0\n"
                                  "click 320 240\n"
                                  "key VK_ESCAPE\n"
                                  "key 65\n"
                                  "shot out/first.png\n"
                                  "close\n";
    std::vector<Command> commands;
    std::string strError;
    ASSERT_TRUE(Runner::ParseScript(strScript, commands, strError)) << strError;
    ASSERT_EQ(commands.size(), 9u);

    EXPECT_EQ(commands[0].kind, CommandKind::Wait);
    EXPECT_EQ(commands[0].dwValue, 250u);
    EXPECT_EQ(commands[0].nLine, 3);
    EXPECT_EQ(commands[1].kind, CommandKind::Move);
    EXPECT_EQ(commands[1].nX, 10);
    EXPECT_EQ(commands[1].nY, 20);
    EXPECT_EQ(commands[2].kind, CommandKind::Press);
    EXPECT_TRUE(commands[2].bRightButton);
    EXPECT_EQ(commands[2].nX, 639);
    EXPECT_EQ(commands[3].kind, CommandKind::Release);
    EXPECT_FALSE(commands[3].bRightButton);
    EXPECT_EQ(commands[4].kind, CommandKind::Click);
    EXPECT_EQ(commands[5].dwValue, static_cast<DWORD>(VK_ESCAPE));
    EXPECT_EQ(commands[6].dwValue, 65u);
    EXPECT_EQ(commands[7].strFile, "out/first.png");
    EXPECT_EQ(commands[8].kind, CommandKind::Close);
}

TEST(RunnerScriptTest, BadLineIsNamedByItsNumber)
{
    struct Case
    {
        const char* pszLine;
        const char* pszWhat;
    };
    const Case cases[] = {
        {"jump 1 2", "unknown command 'jump'"},
        {"wait", "expected 'wait MS'"},
        {"wait -5", "expected 'wait MS'"},
        {"wait 10ms", "expected 'wait MS'"},
        {"move 640 0", "X in 0..639"},
        {"move 0 480", "Y in 0..479"},
        {"move 1", "expected 'move X Y'"},
        {"click 1 2 3", "expected 'click X Y'"},
        {"press middle 1 2", "left|right"},
        {"release left 1", "left|right"},
        {"key VK_NOPE", "expected 'key CODE'"},
        {"key 256", "expected 'key CODE'"},
        {"shot picture.bmp", "expected 'shot FILE.png'"},
        {"close now", "expected 'close'"},
    };
    for (const Case& c : cases)
    {
        std::vector<Command> commands;
        std::string strError;
        EXPECT_FALSE(Runner::ParseScript(std::string("wait 1\n# note\n") + c.pszLine + "\nwait 2\n", commands,
                                         strError))
            << c.pszLine;
        EXPECT_EQ(strError.rfind("script line 3: ", 0), 0u) << strError;
        EXPECT_NE(strError.find(c.pszWhat), std::string::npos) << strError;
        EXPECT_NE(strError.find(c.pszLine), std::string::npos) << strError;
    }
}

TEST(RunnerScriptTest, OptionsAreReadAndBadOnesNamed)
{
    Runner::Options options;
    std::string strError;
    ASSERT_TRUE(Runner::ParseOptions({"--root", "r", "--script", "-", "--max-ms", "1500", "--format", "555",
                                      "--audio", "none", "--trace", "t.txt", "--journal", "j.txt",
                                      "--audio-out", "a.raw"},
                                     options, strError))
        << strError;
    EXPECT_EQ(options.strRoot, "r");
    EXPECT_EQ(options.strScript, "-");
    EXPECT_EQ(options.dwMaxMs, 1500u);
    EXPECT_EQ(options.strFormat, "555");
    EXPECT_EQ(options.audio, Runner::AudioMode::None);
    EXPECT_EQ(options.strTrace, "t.txt");
    EXPECT_EQ(options.strJournal, "j.txt");
    EXPECT_EQ(options.strAudioOut, "a.raw");

    struct Case
    {
        std::vector<std::string> args;
        const char* pszNamed;
    };
    const Case cases[] = {
        {{"--fast"}, "--fast"},           {{"--format", "444"}, "--format"},
        {{"--audio", "loud"}, "--audio"}, {{"--max-ms", "soon"}, "--max-ms"},
        {{"--script"}, "--script"},       {{"--root", ""}, "--root"},
    };
    for (const Case& c : cases)
    {
        Runner::Options bad;
        strError.clear();
        EXPECT_FALSE(Runner::ParseOptions(c.args, bad, strError)) << c.pszNamed;
        EXPECT_NE(strError.find(c.pszNamed), std::string::npos) << strError;
    }
}

} // namespace
