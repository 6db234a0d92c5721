// MRVRect.h: the rectangle used for sprite bounds, update areas, clipping and hot spots.
//
// Four signed 32-bit values in screen pixels. Sizes are right - left and bottom - top, but the
// intersection and point tests count all four edges as inside, so rectangles that only touch
// along an edge still intersect (with zero width or height).
#pragma once

#include "platform/WinTypes.h"

class CMRVRect
{
public:
    CMRVRect() : left(0), top(0), right(0), bottom(0) {}
    CMRVRect(LONG nLeft, LONG nTop, LONG nRight, LONG nBottom)
        : left(nLeft), top(nTop), right(nRight), bottom(nBottom)
    {
    }

    CMRVRect(const CMRVRect&) = default;
    CMRVRect& operator=(const CMRVRect&) = default;

    // Copies r without a result.
    void Set(const CMRVRect& r) { *this = r; }
    void Set(LONG nLeft, LONG nTop, LONG nRight, LONG nBottom);

    // Becomes the overlap of a and b (edges inclusive) and returns TRUE; when they do not
    // meet, becomes (0, 0, 0, 0) and returns FALSE. a or b may be this rectangle itself.
    BOOL Intersect(const CMRVRect& a, const CMRVRect& b);

    // TRUE when left <= x <= right and top <= y <= bottom.
    BOOL Contains(LONG x, LONG y) const;
    BOOL Contains(const POINT& pt) const { return Contains(pt.x, pt.y); }

    // Grows to (smaller left, smaller top, larger right, larger bottom) of itself and r.
    void Union(const CMRVRect& r);

    // All four values 0: the "nothing" rectangle of update areas.
    BOOL IsEmpty() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }

    bool operator==(const CMRVRect& r) const
    {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
    bool operator!=(const CMRVRect& r) const { return !(*this == r); }

    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
