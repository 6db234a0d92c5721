// Letterbox.h: where the 640x480 picture sits in a window of any size, which picture pixel a
// window point falls on, and how large a window to open. Pure arithmetic for every backend
// that scales the picture into a window or a page; tested without a display.
//
// Three scaling modes place the picture: fit scales it to the largest size that fits the
// drawable area (in real pixels) with its 4:3 aspect kept; integer takes the largest whole
// multiple that fits, so every picture pixel becomes a square of equal size (a window smaller
// than the picture falls back to fit); smooth is placed as fit and only asks the backend to
// filter instead of repeating pixels. The picture is centred and bars fill the rest. Event
// positions arrive in window coordinates, which differ from drawable pixels on high-DPI
// screens; a point maps through its centre so that every drawable pixel of a picture pixel
// maps back to that picture pixel.
#pragma once

#include "platform/WinTypes.h"

namespace Platform
{

enum ScaleMode : int
{
    SCALE_FIT = 0,
    SCALE_INTEGER = 1,
    SCALE_SMOOTH = 2,
};

constexpr int kScaleModeCount = 3;

// "fit", "integer" or "smooth".
const char* ScaleModeName(ScaleMode eMode);
// FALSE (and *peMode untouched) for any other text.
BOOL ParseScaleMode(const char* pszName, ScaleMode* peMode);
// The mode after eMode, round the three.
ScaleMode NextScaleMode(ScaleMode eMode);

struct PictureRect
{
    int nX;
    int nY;
    int nWidth;
    int nHeight;
};

PictureRect ComputePictureRect(int nDrawableWidth, int nDrawableHeight, ScaleMode eMode = SCALE_FIT);

// FALSE when the point lies in the bars, outside the window, or the sizes are empty.
BOOL MapWindowPointToPicture(int nWindowWidth, int nWindowHeight, int nDrawableWidth, int nDrawableHeight,
                             int nX, int nY, POINT* pPoint, ScaleMode eMode = SCALE_FIT);

enum PointPlace : int
{
    POINT_NOWHERE = 0,     // the sizes are empty: nothing to map onto
    POINT_ON_PICTURE = 1,  // on a picture pixel
    POINT_OFF_PICTURE = 2, // in the bars or outside the window: the nearest edge pixel
};

// Where a window point falls. On the picture *pPoint is its pixel, as MapWindowPointToPicture;
// off it (in the bars, or beyond the window while the pointer is captured) *pPoint is the
// picture's nearest edge pixel, so that a pointer leaving the picture is seen to leave it.
// *pPoint is untouched for POINT_NOWHERE.
PointPlace LocateWindowPoint(int nWindowWidth, int nWindowHeight, int nDrawableWidth, int nDrawableHeight,
                             int nX, int nY, ScaleMode eMode, POINT* pPoint);

struct WindowSize
{
    int nWidth;
    int nHeight;
};

// The first size of a window's drawable area: the largest whole multiple of 640x480 that fits
// the desktop's usable area together with the window's frame (nFrameWidth and nFrameHeight,
// both sides added up); when not even 640x480 fits, the largest 4:3 size that does. At least
// 4x3.
WindowSize ChooseWindowSize(int nUsableWidth, int nUsableHeight, int nFrameWidth, int nFrameHeight);

} // namespace Platform
