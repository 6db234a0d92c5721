// LayoutTypes.h: the plain value types of the scenes' layout tables.
// Rectangles are hot spots or areas in screen pixels; a hit test counts all four edges as
// inside, so a rectangle {l, t, r, b} covers columns l..r and rows t..b.
#pragma once

#include <cstdint>

struct LayoutRect
{
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;

    constexpr bool Contains(int32_t x, int32_t y) const
    {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
};

struct LayoutPoint
{
    int32_t x;
    int32_t y;
};

// An area given by its top-left corner and its extent (right = left + width).
constexpr LayoutRect LayoutRectAt(LayoutPoint ptCorner, int32_t nWidth, int32_t nHeight)
{
    return LayoutRect{ptCorner.x, ptCorner.y, ptCorner.x + nWidth, ptCorner.y + nHeight};
}
