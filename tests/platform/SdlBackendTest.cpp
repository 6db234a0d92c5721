// SdlBackendTest.cpp: the SDL backend's display-free parts: the icon and cursor art and the
// native single-instance lock.
#include "platform/posix/SingleInstancePosix.h"
#include "platform/sdl/SdlArt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{

TEST(SdlArtTest, IconAndCursorAreDrawnWithTransparencyAndAnOpaqueTip)
{
    const Platform::ArgbPicture icon = Platform::DrawAppIcon();
    ASSERT_EQ(icon.Pixels.size(), 32u * 32u);
    EXPECT_EQ(icon.Pixels[0] >> 24, 0u);            // rounded corner
    EXPECT_EQ(icon.Pixels[16 * 32 + 16] >> 24, 0xFFu); // the tile's middle

    const Platform::ArgbPicture cursor = Platform::DrawArrowCursor();
    ASSERT_EQ(cursor.Pixels.size(), 32u * 32u);
    EXPECT_EQ(cursor.Pixels[static_cast<size_t>(cursor.nHotY * 32 + cursor.nHotX)] >> 24, 0xFFu);
    EXPECT_EQ(cursor.Pixels[31 * 32 + 31] >> 24, 0u);
}

TEST(PosixSingleInstanceTest, SecondHolderIsRefusedUntilTheFirstEnds)
{
    const std::string strName = "single-instance-test " + std::to_string(::getpid());
    Platform::CPosixSingleInstance first;
    Platform::CPosixSingleInstance second;
    EXPECT_TRUE(first.Acquire(strName.c_str()));
    EXPECT_FALSE(second.Acquire(strName.c_str()));
    std::filesystem::remove(Platform::CPosixSingleInstance::LockPath(strName.c_str()));
}

} // namespace
