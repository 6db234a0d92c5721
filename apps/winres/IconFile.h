// IconFile.h: Windows icon (.ico) and cursor (.cur) files of one 32-bit picture, the form the
// resource compiler takes for the executable's icon and cursor resources.
#pragma once

#include "platform/sdl/SdlArt.h"

#include <cstdint>
#include <vector>

namespace GameApp
{

enum class IconKind
{
    Icon = 1,
    Cursor = 2,
};

// The whole file: the directory with one entry (a cursor's entry carries the picture's hot
// spot), then the picture as a bottom-up 32-bit BGRA bitmap with straight alpha followed by its
// 1-bit mask (set where the picture is fully transparent). Pictures of 1 to 256 pixels a side.
std::vector<uint8_t> MakeIconFile(const Platform::ArgbPicture& picture, IconKind kind);

} // namespace GameApp
