// SdlBackendTest.cpp: the SDL backend's display-free parts: the icon and cursor art, the
// native single-instance lock, and the refusal of video drivers that show nothing.
#include "platform/posix/SingleInstancePosix.h"
#include "platform/sdl/SdlArt.h"
#include "platform/sdl/SdlVideoDriver.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{

TEST(SdlArtTest, IconAndCursorAreDrawnWithTransparencyAndAnOpaqueTip)
{
    const Platform::ArgbPicture icon = Platform::DrawAppIcon();
    ASSERT_EQ(icon.Pixels.size(), 32u * 32u);
    EXPECT_EQ(icon.Pixels[0] >> 24, 0u);               // rounded corner
    EXPECT_EQ(icon.Pixels[16 * 32 + 16] >> 24, 0xFFu); // the tile's middle

    const Platform::ArgbPicture cursor = Platform::DrawArrowCursor();
    ASSERT_EQ(cursor.Pixels.size(), 32u * 32u);
    EXPECT_EQ(cursor.Pixels[static_cast<size_t>(cursor.nHotY * 32 + cursor.nHotX)] >> 24, 0xFFu);
    EXPECT_EQ(cursor.Pixels[31 * 32 + 31] >> 24, 0u);
}

TEST(PosixSingleInstanceTest, SecondHolderIsRefusedAndFindsTheFirst)
{
    const std::string strName = "single-instance-test " + std::to_string(::getpid());
    Platform::CPosixSingleInstance first;
    Platform::CPosixSingleInstance second;
    EXPECT_TRUE(first.Acquire(strName.c_str()));
    EXPECT_FALSE(first.WasRefused());
    EXPECT_FALSE(second.Acquire(strName.c_str()));
    EXPECT_TRUE(second.WasRefused());
    EXPECT_EQ(Platform::CPosixSingleInstance::HolderProcessId(strName.c_str()),
              static_cast<long>(::getpid()));
    std::filesystem::remove(Platform::CPosixSingleInstance::LockPath(strName.c_str()));
    EXPECT_EQ(Platform::CPosixSingleInstance::HolderProcessId(strName.c_str()), 0);
}

// No display to connect to, and SDL_VIDEODRIVER as given (null: unset). These tests are the
// only ones in this program that start SDL video, so the variables need not be put back.
void SetVideoEnvironment(const char* pszDriver)
{
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    if (pszDriver)
        setenv("SDL_VIDEODRIVER", pszDriver, 1);
    else
        unsetenv("SDL_VIDEODRIVER");
}

TEST(SdlVideoDriverTest, DriversThatShowNothingAreRefusedUnlessAllowed)
{
    struct Case
    {
        const char* pszDriver; // SDL_VIDEODRIVER, null: unset
        BOOL bAllowInvisible;
        const char* pszReason; // a part of the reason; null: video starts
    };
    const Case cases[] = {
        {"dummy", FALSE, "the \"dummy\" video driver shows nothing"},
        {"offscreen", FALSE, "the \"offscreen\" video driver shows nothing"},
        {"dummy", TRUE, nullptr},
        {"offscreen", TRUE, nullptr},
        {"no-such-driver", FALSE, "no-such-driver"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszDriver) + (c.bAllowInvisible ? " allowed" : ""));
        SetVideoEnvironment(c.pszDriver);
        std::string strReason;
        const BOOL bStarted = Platform::StartVisibleVideo(c.bAllowInvisible, &strReason);
        EXPECT_EQ(bStarted != FALSE, c.pszReason == nullptr) << strReason;
        if (c.pszReason)
        {
            EXPECT_NE(strReason.find(c.pszReason), std::string::npos) << strReason;
            EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "a refused start leaves nothing running";
        }
        SDL_Quit();
    }
}

TEST(SdlVideoDriverTest, WithoutADisplayEveryVisibleDriverIsTriedAndNoneIsFakedBySDL)
{
    SetVideoEnvironment(nullptr);
    std::string strReason;
    if (Platform::StartVisibleVideo(FALSE, &strReason))
    {
        // A machine with a console display (KMSDRM) really has one.
        EXPECT_FALSE(Platform::IsInvisibleVideoDriver(SDL_GetCurrentVideoDriver()))
            << SDL_GetCurrentVideoDriver();
    }
    else
    {
        EXPECT_NE(strReason.find("x11 not available"), std::string::npos) << strReason;
        EXPECT_NE(strReason.find("neither DISPLAY nor WAYLAND_DISPLAY is set"), std::string::npos)
            << strReason;
    }
    SDL_Quit();
}

} // namespace
