// GlassesTray.cpp: finding each pair's part of the tray, and its size and place there.
#include "art/GlassesTray.h"

#include "Face.h"
#include "game/layout/MakeoverLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace GlassesTray
{
namespace
{
using namespace MakeoverLayout;

constexpr int REACH = 12; // the farthest a part's edge is searched for around a pixel

// The pixels of the tray a pair may draw on, over the bounding box of its areas.
struct OwnPart
{
    int x0 = 0;
    int y0 = 0;
    int w = 0;
    int h = 0;
    std::vector<uint8_t>
        own; // 1 + which of the pair's three areas a click there picks, 0 where it may not draw
    std::vector<float> distance; // from an own pixel's centre to the nearest other pixel's centre

    bool Own(int x, int y) const { return AreaAt(x, y) >= 0; }
    // Which of the pair's areas (0 to 2) a click at the pixel picks; -1 when not the pair's.
    int AreaAt(int x, int y) const
    {
        return x >= x0 && y >= y0 && x < x0 + w && y < y0 + h ? int(own[(y - y0) * w + x - x0]) - 1 : -1;
    }
    // Room around a point: the distance map at its pixel, less the most a point can lie off
    // its pixel's centre.
    double Room(double x, double y) const
    {
        const int px = int(std::floor(x));
        const int py = int(std::floor(y));
        return Own(px, py) ? distance[(py - y0) * w + px - x0] - 0.71 : -1.0;
    }
};

OwnPart FindOwnPart(int nPair)
{
    OwnPart part;
    int x1 = 0;
    int y1 = 0;
    part.x0 = part.y0 = 1 << 20;
    for (int i = 0; i < 3; ++i)
    {
        const LayoutRect rc = GlassesArea(3 * nPair + i);
        part.x0 = std::min(part.x0, rc.left - 1);
        part.y0 = std::min(part.y0, rc.top - 1);
        x1 = std::max(x1, rc.right + 2);
        y1 = std::max(y1, rc.bottom + 2);
    }
    part.w = x1 - part.x0;
    part.h = y1 - part.y0;
    part.own.assign(size_t(part.w * part.h), 0);
    for (int y = part.y0; y < y1; ++y)
        for (int x = part.x0; x < x1; ++x)
        {
            const bool bPanel = x >= PANEL_X + BORDER && y >= PANEL_Y + BORDER &&
                                x + 1 <= PANEL_X + PANEL_W - BORDER && y + 1 <= PANEL_Y + PANEL_H - BORDER;
            // The scene picks the first area in list order that holds the point: the pixel is the
            // pair's when that area is one of its own.
            int nFirst = -1;
            for (int i = 0; i < nGlassesAreas && nFirst < 0; ++i)
                if (GlassesArea(i).Contains(x, y))
                    nFirst = i;
            const bool bOwn = bPanel && nFirst >= 0 && GlassesPairOfArea(nFirst) == nPair;
            part.own[(y - part.y0) * part.w + x - part.x0] = uint8_t(bOwn ? 1 + nFirst % 3 : 0);
        }
    part.distance.assign(part.own.size(), 0.0f);
    for (int y = part.y0; y < y1; ++y)
        for (int x = part.x0; x < x1; ++x)
        {
            if (!part.Own(x, y))
                continue;
            double dNearest = REACH;
            for (int dy = -REACH; dy <= REACH; ++dy)
                for (int dx = -REACH; dx <= REACH; ++dx)
                    if (!part.Own(x + dx, y + dy))
                        dNearest = std::min(dNearest, std::hypot(dx, dy));
            part.distance[(y - part.y0) * part.w + x - part.x0] = float(dNearest);
        }
    return part;
}

struct Placement
{
    double cx = 0;
    double cy = 0;
    double dAngle = 0;
    double dScale = 0;
    double dSlack = -1; // the least room left around the outline, in pixels
};

using Outline = std::vector<std::pair<double, double>>;

// The room left around a pair's outline placed at (cx, cy), turned and scaled: negative when
// some point of it lies outside the part (or too close to its edge for a crisp rim), or, when
// bEveryArea is set, when less than a ninth of the outline lies in any one of the pair's three
// areas (each area is to show a good part of the drawing).
double Slack(const OwnPart& part, const Outline& outline, double cx, double cy, double dAngle, double dScale,
             bool bEveryArea)
{
    const double c = std::cos(dAngle) * dScale;
    const double s = std::sin(dAngle) * dScale;
    double dSlack = 1e9;
    size_t anInArea[3] = {0, 0, 0};
    for (const auto& [x, y] : outline)
    {
        const double px = cx + x * c - y * s;
        const double py = cy + x * s + y * c;
        dSlack = std::min(dSlack, part.Room(px, py) - 0.5);
        if (dSlack < 0)
            return dSlack;
        ++anInArea[part.AreaAt(int(std::floor(px)), int(std::floor(py)))];
    }
    const size_t nFewest = std::min({anInArea[0], anInArea[1], anInArea[2]});
    return nFewest * 9 >= outline.size() || !bEveryArea ? dSlack : -1.0;
}

// The place with the most room for a pair at the given scale, searched over angles from almost
// straight up to level, in steps of dAngleStep degrees, and over centres dStep pixels apart
// within the given box.
Placement BestPlace(const OwnPart& part, const Outline& outline, double dScale, bool bEveryArea,
                    double dAngleStep, double dStep, double x0, double y0, double x1, double y1,
                    double dAngle0, double dAngle1)
{
    Placement best;
    for (double dDegrees = dAngle0; dDegrees <= dAngle1 + 1e-9; dDegrees += dAngleStep)
        for (double cy = y0; cy <= y1; cy += dStep)
            for (double cx = x0; cx <= x1; cx += dStep)
            {
                const double dSlack = Slack(part, outline, cx, cy, dDegrees * PI / 180, dScale, bEveryArea);
                if (dSlack > best.dSlack)
                    best = Placement{cx, cy, dDegrees * PI / 180, dScale, dSlack};
            }
    return best;
}

Placement CoarseBest(const OwnPart& part, const Outline& outline, double dScale, bool bEveryArea)
{
    return BestPlace(part, outline, dScale, bEveryArea, 5, 1, part.x0, part.y0, part.x0 + part.w,
                     part.y0 + part.h, -85, 85);
}

struct Layout
{
    std::array<OwnPart, nGlasses> parts;
    std::array<Placement, nGlasses> places;
};

Layout MakeLayout()
{
    Layout layout;
    for (int g = 0; g < nGlasses; ++g)
    {
        const OwnPart& part = layout.parts[g] = FindOwnPart(g);
        const Outline outline = Face::GlassesTrayOutline(g);
        // The largest scale at which the pair still fits somewhere, to a tenth of a pixel...
        double dLow = 1.0;
        double dHigh = 16.0;
        while (dHigh - dLow > 0.1)
        {
            const double dMid = (dLow + dHigh) / 2;
            (CoarseBest(part, outline, dMid, false).dSlack >= 0 ? dLow : dHigh) = dMid;
        }
        // ...then a little smaller, and smaller still until it can reach into all three of its
        // areas, so each of them shows a part of it...
        double dScale = dLow * 0.92;
        Placement coarse = CoarseBest(part, outline, dScale, true);
        for (int nTry = 0; nTry < 20 && coarse.dSlack < 0; ++nTry)
            coarse = CoarseBest(part, outline, dScale *= 0.95, true);
        const bool bEveryArea = coarse.dSlack >= 0;
        if (!bEveryArea)
            coarse = CoarseBest(part, outline, dScale = dLow * 0.92, false);
        // ...placed where it has the most room, finely.
        const double dDegrees = coarse.dAngle * 180 / PI;
        layout.places[g] = BestPlace(part, outline, dScale, bEveryArea, 1, 0.25, coarse.cx - 1, coarse.cy - 1,
                                     coarse.cx + 1, coarse.cy + 1, dDegrees - 5, dDegrees + 5);
    }
    return layout;
}

const Layout& TheLayout()
{
    static const Layout layout = MakeLayout();
    return layout;
}
} // namespace

void DrawPair(cairo_t* cr, int nPair)
{
    const Layout& layout = TheLayout();
    const OwnPart& part = layout.parts[nPair];
    const Placement& place = layout.places[nPair];
    // The part as a mask, so that not even the antialiased rim of a frame strays outside it.
    cairo_surface_t* pMask = cairo_image_surface_create(CAIRO_FORMAT_A8, part.w, part.h);
    cairo_surface_flush(pMask);
    unsigned char* pData = cairo_image_surface_get_data(pMask);
    const int nStride = cairo_image_surface_get_stride(pMask);
    for (int y = 0; y < part.h; ++y)
        for (int x = 0; x < part.w; ++x)
            pData[y * nStride + x] = part.own[y * part.w + x] ? 0xFF : 0;
    cairo_surface_mark_dirty(pMask);
    cairo_save(cr);
    cairo_push_group(cr);
    Face::DrawGlassesLying(cr, place.cx, place.cy, place.dAngle, place.dScale, nPair);
    cairo_pop_group_to_source(cr);
    cairo_mask_surface(cr, pMask, part.x0, part.y0);
    cairo_restore(cr);
    cairo_surface_destroy(pMask);
}
} // namespace GlassesTray
