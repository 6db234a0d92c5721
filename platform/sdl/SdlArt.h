// SdlArt.h: the window icon (resource 101) and the arrow cursor (resource 106), drawn in
// code as small ARGB pictures. Pure pixel work, no SDL call.
#pragma once

#include <cstdint>
#include <vector>

namespace Platform
{

struct ArgbPicture
{
    int nWidth;
    int nHeight;
    int nHotX; // the cursor's hot spot (0 for the icon)
    int nHotY;
    std::vector<uint32_t> Pixels; // 0xAARRGGBB, row after row
};

// A square icon of nSize pixels (32 for the window): a dress on a hanger over a rounded rose
// tile. The same shapes at every size, for the desktop's icon theme.
ArgbPicture DrawAppIcon(int nSize = 32);
// A 32x32 arrow cursor, plum with a light rim, hot spot at its tip (1, 1).
ArgbPicture DrawArrowCursor();

} // namespace Platform
