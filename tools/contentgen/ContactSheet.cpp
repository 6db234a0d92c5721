// ContactSheet.cpp: composing the review picture of a scene.
#include "ContactSheet.h"

#include <algorithm>

CContactSheet::CContactSheet(const CCanvas& background)
    : m_background(background.Crop(0, 0, background.Width(), background.Height())),
      m_main(background.Crop(0, 0, background.Width(), background.Height()))
{
}

void CContactSheet::Place(const CCanvas& sprite, LayoutPoint pt)
{
    m_main.Paste(sprite, pt.x, pt.y);
}

void CContactSheet::Outline(const LayoutRect& rc, const Colour& colour)
{
    CDraw cr(m_main);
    cairo_rectangle(cr, rc.left + 0.5, rc.top + 0.5, rc.right - rc.left, rc.bottom - rc.top);
    SetColour(cr, colour);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void CContactSheet::AddFrame(const std::string& strLabel, const CCanvas& frame, LayoutPoint pt)
{
    CCanvas panel = m_background.Crop(pt.x, pt.y, frame.Width(), frame.Height());
    panel.Paste(frame, 0, 0);
    m_thumbs.push_back(Thumb{strLabel, std::move(panel)});
}

void CContactSheet::AddFrames(const std::string& strLabel, const std::vector<CCanvas>& frames, LayoutPoint pt)
{
    for (size_t i = 0; i < frames.size(); ++i)
        AddFrame(strLabel + " " + std::to_string(i), frames[i], pt);
}

CCanvas CContactSheet::Render() const
{
    constexpr int nColumns = 5;
    constexpr int nCellWidth = 128;
    constexpr int nLabelHeight = 14;
    double dScale = 1.0;
    for (const Thumb& thumb : m_thumbs)
        dScale = std::min(dScale, double(nCellWidth - 4) / thumb.panel.Width());
    // Each row of panels is as tall as its tallest panel.
    std::vector<int> rowTops(1, m_main.Height());
    for (size_t nFirst = 0; nFirst < m_thumbs.size(); nFirst += nColumns)
    {
        int nTallest = 0;
        for (size_t i = nFirst; i < std::min(m_thumbs.size(), nFirst + nColumns); ++i)
            nTallest = std::max(nTallest, int(m_thumbs[i].panel.Height() * dScale + 0.999));
        rowTops.push_back(rowTops.back() + nTallest + nLabelHeight + 4);
    }
    const int nWidth = std::max(m_main.Width(), nColumns * nCellWidth);
    CCanvas sheet(nWidth, rowTops.back());
    CDraw cr(sheet);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.18);
    cairo_paint(cr);
    cairo_set_source_surface(cr, m_main.Surface(), 0, 0);
    cairo_paint(cr);
    for (size_t i = 0; i < m_thumbs.size(); ++i)
    {
        const double x = double(i % nColumns) * nCellWidth + 2;
        const double y = rowTops[i / nColumns] + 2;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, dScale, dScale);
        cairo_set_source_surface(cr, m_thumbs[i].panel.Surface(), 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        TextStyle label;
        label.dSize = 10;
        label.bBold = false;
        label.fill = Palette::White;
        DrawText(cr, x, y + m_thumbs[i].panel.Height() * dScale + nLabelHeight - 3, m_thumbs[i].strLabel,
                 label);
    }
    return sheet;
}
