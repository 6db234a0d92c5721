// HotspotList.cpp: registration of hot spots and the first-match hit test.
#include "scene/HotspotList.h"

CHotspotList::CHotspotList() : m_nCursor(0) {}

CHotspotList::~CHotspotList() = default;

void CHotspotList::Add(CMRVRect* pArea)
{
    m_Areas.push_back(pArea);
}

CMRVRect* CHotspotList::HitTest(const POINT* pPoint)
{
    if (!pPoint)
        return nullptr;
    for (m_nCursor = 0; m_nCursor < m_Areas.size(); ++m_nCursor)
    {
        CMRVRect* pArea = m_Areas[m_nCursor];
        if (pArea && pArea->Contains(*pPoint))
            return pArea;
    }
    return nullptr;
}
