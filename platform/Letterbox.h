// Letterbox.h: where the 640x480 picture sits in a window of any size, and which picture
// pixel a window point falls on. Pure arithmetic for every backend that scales the picture
// into a window or a page; tested without a display.
//
// The picture is scaled to the largest size that fits the drawable area (in real pixels) with
// its 4:3 aspect kept, and centred: bars fill the rest. Event positions arrive in window
// coordinates, which differ from drawable pixels on high-DPI screens; a point maps through
// its centre so that every drawable pixel of a picture pixel maps back to that picture pixel.
#pragma once

#include "platform/WinTypes.h"

namespace Platform
{

struct PictureRect
{
    int nX;
    int nY;
    int nWidth;
    int nHeight;
};

PictureRect ComputePictureRect(int nDrawableWidth, int nDrawableHeight);

// FALSE when the point lies in the bars, outside the window, or the sizes are empty.
BOOL MapWindowPointToPicture(int nWindowWidth, int nWindowHeight, int nDrawableWidth, int nDrawableHeight, int nX,
                             int nY, POINT* pPoint);

} // namespace Platform
