// HotspotList.h: a scene's hot-spot rectangles in the order they were registered, and the
// search for the one under the mouse. The rectangles belong to the scene; the list only
// points to them. Depends on graphics/MRVRect.h.
#pragma once

#include "graphics/MRVRect.h"
#include "platform/WinTypes.h"

#include <cstddef>
#include <vector>

class CHotspotList
{
public:
    CHotspotList();
    virtual ~CHotspotList();
    CHotspotList(const CHotspotList&) = delete;
    CHotspotList& operator=(const CHotspotList&) = delete;

    void Add(CMRVRect* pArea);

    // The first area, in the order added, that contains the point with its edges counted as
    // inside; null when none does. Where areas overlap, the one added first wins.
    CMRVRect* HitTest(const POINT* pPoint);

private:
    std::vector<CMRVRect*> m_Areas;
    size_t m_nCursor;
};
