// Tests of NativePath: the game's backslash names on this system.
#include "platform/GamePath.h"

#include <gtest/gtest.h>

namespace
{

TEST(GamePathTest, MapsGamePathsToNativeNames)
{
    struct Case
    {
        const char* pszGame;
        const char* pszNative;
    };
#ifdef _WIN32
    const Case cases[] = {
        {".\\content\\splash\\splash.mri", ".\\content\\splash\\splash.mri"},
        {"", ""},
    };
#else
    const Case cases[] = {
        {".\\content\\splash\\splash.mri", "./content/splash/splash.mri"},
        {".\\content\\music\\lounge.mrs", "./content/music/lounge.mrs"},
        {".\\content\\credits.mri", "./content/credits.mri"},
        {"./content/ave/bg.mri", "./content/ave/bg.mri"}, // already native: unchanged
        {"\\\\a\\\\b\\", "//a//b/"},
        {"plain.mrs", "plain.mrs"},
        {"", ""},
    };
#endif
    for (const Case& c : cases)
    {
        EXPECT_EQ(Platform::NativePath(c.pszGame), c.pszNative) << c.pszGame;
        EXPECT_EQ(Platform::NativePath(Platform::NativePath(c.pszGame)), c.pszNative) << c.pszGame;
    }
}

} // namespace
