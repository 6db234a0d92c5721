// Letterbox.cpp: the picture's rectangle in each scaling mode, the exact point mapping with
// clamping to the edge, and the first window size, in integer arithmetic.
#include "platform/Letterbox.h"

#include "platform/ScreenFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace Platform
{

namespace
{
constexpr int64_t kPictureWidth = kScreenWidth;
constexpr int64_t kPictureHeight = kScreenHeight;

const char* const kScaleModeNames[kScaleModeCount] = {"fit", "integer", "smooth"};

enum AxisPlace
{
    AXIS_BEFORE,
    AXIS_INSIDE,
    AXIS_AFTER,
};

// One axis: the window coordinate's centre scaled to drawable pixels, then into the picture.
// Outside [nStart, nStart + nLength) of the drawable area the result is the nearer end pixel.
AxisPlace MapAxis(int64_t nCoord, int64_t nWindowSize, int64_t nDrawableSize, int64_t nStart, int64_t nLength,
                  int64_t nPictureSize, LONG* pResult)
{
    // Positions in units of 1 / (2 * nWindowSize) drawable pixels.
    const int64_t nCentre = (2 * nCoord + 1) * nDrawableSize;
    const int64_t nFrom = 2 * nStart * nWindowSize;
    const int64_t nTo = 2 * (nStart + nLength) * nWindowSize;
    if (nCentre < nFrom)
    {
        *pResult = 0;
        return AXIS_BEFORE;
    }
    if (nCentre >= nTo)
    {
        *pResult = static_cast<LONG>(nPictureSize - 1);
        return AXIS_AFTER;
    }
    *pResult = static_cast<LONG>((nCentre - nFrom) * nPictureSize / (nTo - nFrom));
    return AXIS_INSIDE;
}

BOOL SizesUsable(int nWindowWidth, int nWindowHeight, int nDrawableWidth, int nDrawableHeight)
{
    return nWindowWidth > 0 && nWindowHeight > 0 && nDrawableWidth > 0 && nDrawableHeight > 0;
}
} // namespace

const char* ScaleModeName(ScaleMode eMode)
{
    const int nIndex = static_cast<int>(eMode);
    return nIndex >= 0 && nIndex < kScaleModeCount ? kScaleModeNames[nIndex] : "fit";
}

BOOL ParseScaleMode(const char* pszName, ScaleMode* peMode)
{
    if (!pszName)
        return FALSE;
    for (int i = 0; i < kScaleModeCount; ++i)
        if (std::strcmp(pszName, kScaleModeNames[i]) == 0)
        {
            *peMode = static_cast<ScaleMode>(i);
            return TRUE;
        }
    return FALSE;
}

ScaleMode NextScaleMode(ScaleMode eMode)
{
    return static_cast<ScaleMode>((static_cast<int>(eMode) + 1) % kScaleModeCount);
}

PictureRect ComputePictureRect(int nDrawableWidth, int nDrawableHeight, ScaleMode eMode)
{
    PictureRect rect = {0, 0, nDrawableWidth, nDrawableHeight};
    const int64_t nWholeTimes = std::min(nDrawableWidth / kPictureWidth, nDrawableHeight / kPictureHeight);
    if (eMode == SCALE_INTEGER && nWholeTimes >= 1)
    {
        rect.nWidth = static_cast<int>(nWholeTimes * kPictureWidth);
        rect.nHeight = static_cast<int>(nWholeTimes * kPictureHeight);
    }
    else if (static_cast<int64_t>(nDrawableWidth) * kPictureHeight <=
             static_cast<int64_t>(nDrawableHeight) * kPictureWidth)
        rect.nHeight = static_cast<int>(nDrawableWidth * kPictureHeight / kPictureWidth);
    else
        rect.nWidth = static_cast<int>(nDrawableHeight * kPictureWidth / kPictureHeight);
    rect.nX = (nDrawableWidth - rect.nWidth) / 2;
    rect.nY = (nDrawableHeight - rect.nHeight) / 2;
    return rect;
}

PointPlace LocateWindowPoint(int nWindowWidth, int nWindowHeight, int nDrawableWidth, int nDrawableHeight,
                             int nX, int nY, ScaleMode eMode, POINT* pPoint)
{
    if (!SizesUsable(nWindowWidth, nWindowHeight, nDrawableWidth, nDrawableHeight))
        return POINT_NOWHERE;
    const PictureRect rect = ComputePictureRect(nDrawableWidth, nDrawableHeight, eMode);
    if (rect.nWidth <= 0 || rect.nHeight <= 0)
        return POINT_NOWHERE;
    POINT point = {0, 0};
    const AxisPlace eX =
        MapAxis(nX, nWindowWidth, nDrawableWidth, rect.nX, rect.nWidth, kPictureWidth, &point.x);
    const AxisPlace eY =
        MapAxis(nY, nWindowHeight, nDrawableHeight, rect.nY, rect.nHeight, kPictureHeight, &point.y);
    *pPoint = point;
    return eX == AXIS_INSIDE && eY == AXIS_INSIDE ? POINT_ON_PICTURE : POINT_OFF_PICTURE;
}

BOOL MapWindowPointToPicture(int nWindowWidth, int nWindowHeight, int nDrawableWidth, int nDrawableHeight,
                             int nX, int nY, POINT* pPoint, ScaleMode eMode)
{
    if (nX < 0 || nY < 0 || nX >= nWindowWidth || nY >= nWindowHeight)
        return FALSE;
    POINT point = {0, 0};
    if (LocateWindowPoint(nWindowWidth, nWindowHeight, nDrawableWidth, nDrawableHeight, nX, nY, eMode,
                          &point) != POINT_ON_PICTURE)
        return FALSE;
    *pPoint = point;
    return TRUE;
}

WindowSize ChooseWindowSize(int nUsableWidth, int nUsableHeight, int nFrameWidth, int nFrameHeight)
{
    const int64_t nRoomWidth =
        std::max<int64_t>(0, static_cast<int64_t>(nUsableWidth) - std::max(0, nFrameWidth));
    const int64_t nRoomHeight =
        std::max<int64_t>(0, static_cast<int64_t>(nUsableHeight) - std::max(0, nFrameHeight));
    const int64_t nWholeTimes = std::min(nRoomWidth / kPictureWidth, nRoomHeight / kPictureHeight);
    if (nWholeTimes >= 1)
        return {static_cast<int>(nWholeTimes * kPictureWidth),
                static_cast<int>(nWholeTimes * kPictureHeight)};
    // Not even 1x fits: the largest 4:3 size in whole steps of 4x3.
    const int64_t nSteps = std::max<int64_t>(1, std::min(nRoomWidth / 4, nRoomHeight / 3));
    return {static_cast<int>(nSteps * 4), static_cast<int>(nSteps * 3)};
}

} // namespace Platform
