// Letterbox.cpp: letterbox rectangle and the exact point mapping, in integer arithmetic.
#include "platform/Letterbox.h"

#include "platform/ScreenFormat.h"

#include <cstdint>

namespace Platform
{

namespace
{
constexpr int64_t kPictureWidth = kScreenWidth;
constexpr int64_t kPictureHeight = kScreenHeight;

// One axis: the window coordinate's centre scaled to drawable pixels, then into the picture.
// FALSE outside [nStart, nStart + nLength) of the drawable area.
BOOL MapAxis(int64_t nCoord, int64_t nWindowSize, int64_t nDrawableSize, int64_t nStart, int64_t nLength,
             int64_t nPictureSize, LONG* pResult)
{
    // Positions in units of 1 / (2 * nWindowSize) drawable pixels.
    const int64_t nCentre = (2 * nCoord + 1) * nDrawableSize;
    const int64_t nFrom = 2 * nStart * nWindowSize;
    const int64_t nTo = 2 * (nStart + nLength) * nWindowSize;
    if (nCentre < nFrom || nCentre >= nTo)
        return FALSE;
    *pResult = static_cast<LONG>((nCentre - nFrom) * nPictureSize / (nTo - nFrom));
    return TRUE;
}
} // namespace

PictureRect ComputePictureRect(int nDrawableWidth, int nDrawableHeight)
{
    PictureRect rect = {0, 0, nDrawableWidth, nDrawableHeight};
    if (static_cast<int64_t>(nDrawableWidth) * kPictureHeight <= static_cast<int64_t>(nDrawableHeight) * kPictureWidth)
        rect.nHeight = static_cast<int>(nDrawableWidth * kPictureHeight / kPictureWidth);
    else
        rect.nWidth = static_cast<int>(nDrawableHeight * kPictureWidth / kPictureHeight);
    rect.nX = (nDrawableWidth - rect.nWidth) / 2;
    rect.nY = (nDrawableHeight - rect.nHeight) / 2;
    return rect;
}

BOOL MapWindowPointToPicture(int nWindowWidth, int nWindowHeight, int nDrawableWidth, int nDrawableHeight, int nX,
                             int nY, POINT* pPoint)
{
    if (nWindowWidth <= 0 || nWindowHeight <= 0 || nDrawableWidth <= 0 || nDrawableHeight <= 0 || nX < 0 || nY < 0 ||
        nX >= nWindowWidth || nY >= nWindowHeight)
        return FALSE;
    const PictureRect rect = ComputePictureRect(nDrawableWidth, nDrawableHeight);
    if (rect.nWidth <= 0 || rect.nHeight <= 0)
        return FALSE;
    POINT point = {0, 0};
    if (!MapAxis(nX, nWindowWidth, nDrawableWidth, rect.nX, rect.nWidth, kPictureWidth, &point.x) ||
        !MapAxis(nY, nWindowHeight, nDrawableHeight, rect.nY, rect.nHeight, kPictureHeight, &point.y))
        return FALSE;
    *pPoint = point;
    return TRUE;
}

} // namespace Platform
