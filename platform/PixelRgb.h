// PixelRgb.h: a 16-bit display pixel of any of the layouts as 8-bit red, green and blue, for
// screenshots and their tests. Each channel is scaled to 0..255 and rounded.
#pragma once

#include "platform/Display.h"

namespace Platform
{

// Converts one pixel of the given layout to 8-bit red, green and blue (pRgb[0..2]).
void PixelToRgb(WORD wPixel, const DisplayPixelFormat& format, BYTE* pRgb);

} // namespace Platform
