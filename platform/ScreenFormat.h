// ScreenFormat.h: the fixed facts of the game's screen and sound output, named once.
//
// The screen is always 640x480 with 16-bit pixels; a display reports one of three pixel
// layouts (5-6-5, 5-5-5, or anything else, here blue and red swapped); sound leaves the mixer
// at 22,050 Hz, mono, 16-bit.
#pragma once

#include "platform/Display.h"

namespace Platform
{

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kScreenBitsPerPixel = 16;

constexpr DisplayPixelFormat kFormat565 = {16, 0xF800, 0x07E0, 0x001F};
constexpr DisplayPixelFormat kFormat555 = {16, 0x7C00, 0x03E0, 0x001F};
constexpr DisplayPixelFormat kFormatOther = {16, 0x001F, 0x07E0, 0xF800};

constexpr DWORD kAudioOutputRate = 22050;

} // namespace Platform
