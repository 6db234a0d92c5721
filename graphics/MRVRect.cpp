// MRVRect.cpp: rectangle arithmetic with edges counted as inside.
#include "graphics/MRVRect.h"

#include <algorithm>

void CMRVRect::Set(LONG nLeft, LONG nTop, LONG nRight, LONG nBottom)
{
    left = nLeft;
    top = nTop;
    right = nRight;
    bottom = nBottom;
}

BOOL CMRVRect::Intersect(const CMRVRect& a, const CMRVRect& b)
{
    if (a.left > b.right || a.right < b.left || a.top > b.bottom || a.bottom < b.top)
    {
        Set(0, 0, 0, 0);
        return FALSE;
    }
    // Read both before writing: a or b may be this rectangle.
    const CMRVRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom));
    *this = r;
    return TRUE;
}

BOOL CMRVRect::Contains(LONG x, LONG y) const
{
    return left <= x && x <= right && top <= y && y <= bottom;
}

void CMRVRect::Union(const CMRVRect& r)
{
    left = std::min(left, r.left);
    top = std::min(top, r.top);
    right = std::max(right, r.right);
    bottom = std::max(bottom, r.bottom);
}
