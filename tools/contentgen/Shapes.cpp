// Shapes.cpp: Catmull-Rom sampling of knots into tube and profile outlines.
#include "Shapes.h"

#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace
{
// The point at t (0 to 1) between b and c on the Catmull-Rom curve through a, b, c, d.
TubeKnot CatmullRom(const TubeKnot& a, const TubeKnot& b, const TubeKnot& c, const TubeKnot& d, double t)
{
    auto blend = [t](double p0, double p1, double p2, double p3)
    {
        return 0.5 * (2 * p1 + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t * t +
                      (-p0 + 3 * p1 - 3 * p2 + p3) * t * t * t);
    };
    return TubeKnot{blend(a.x, b.x, c.x, d.x), blend(a.y, b.y, c.y, d.y), blend(a.r, b.r, c.r, d.r)};
}
} // namespace

std::vector<TubeKnot> SampleTube(const std::vector<TubeKnot>& knots)
{
    std::vector<TubeKnot> points;
    if (knots.size() < 2)
        return knots;
    for (size_t i = 0; i + 1 < knots.size(); ++i)
    {
        const TubeKnot& b = knots[i];
        const TubeKnot& c = knots[i + 1];
        // The end knots are repeated so the curve starts and ends on them.
        const TubeKnot& a = i == 0 ? b : knots[i - 1];
        const TubeKnot& d = i + 2 < knots.size() ? knots[i + 2] : c;
        const int nSteps = std::max(2, int(std::hypot(c.x - b.x, c.y - b.y)));
        for (int s = 0; s < nSteps; ++s)
            points.push_back(CatmullRom(a, b, c, d, double(s) / nSteps));
    }
    points.push_back(knots.back());
    return points;
}

namespace
{
// Unit normals of a sampled spine, from its direction at each point.
void SpineNormals(const std::vector<TubeKnot>& spine, std::vector<double>& nx, std::vector<double>& ny)
{
    nx.resize(spine.size());
    ny.resize(spine.size());
    for (size_t i = 0; i < spine.size(); ++i)
    {
        const TubeKnot& p = spine[i == 0 ? 0 : i - 1];
        const TubeKnot& q = spine[std::min(i + 1, spine.size() - 1)];
        const double dLength = std::max(1e-9, std::hypot(q.x - p.x, q.y - p.y));
        nx[i] = -(q.y - p.y) / dLength;
        ny[i] = (q.x - p.x) / dLength;
    }
}
} // namespace

std::vector<TubeKnot> AlongSpine(const std::vector<TubeKnot>& spine, double dAcross)
{
    std::vector<double> nx;
    std::vector<double> ny;
    SpineNormals(spine, nx, ny);
    std::vector<TubeKnot> line;
    for (size_t i = 0; i < spine.size(); ++i)
        line.push_back(TubeKnot{spine[i].x + nx[i] * spine[i].r * dAcross,
                                spine[i].y + ny[i] * spine[i].r * dAcross, spine[i].r});
    return line;
}

void PathTube(cairo_t* cr, const std::vector<TubeKnot>& knots, bool bRoundStart, bool bRoundEnd)
{
    const std::vector<TubeKnot> spine = SampleTube(knots);
    if (spine.size() < 2)
        return;
    std::vector<double> nx;
    std::vector<double> ny;
    SpineNormals(spine, nx, ny);
    const size_t nLast = spine.size() - 1;
    cairo_new_sub_path(cr);
    for (size_t i = 0; i <= nLast; ++i)
        cairo_line_to(cr, spine[i].x + nx[i] * spine[i].r, spine[i].y + ny[i] * spine[i].r);
    if (bRoundEnd)
    {
        const double dAngle = std::atan2(ny[nLast], nx[nLast]);
        cairo_arc_negative(cr, spine[nLast].x, spine[nLast].y, spine[nLast].r, dAngle, dAngle - PI);
    }
    for (size_t i = nLast + 1; i-- > 0;)
        cairo_line_to(cr, spine[i].x - nx[i] * spine[i].r, spine[i].y - ny[i] * spine[i].r);
    if (bRoundStart)
    {
        const double dAngle = std::atan2(-ny[0], -nx[0]);
        cairo_arc_negative(cr, spine[0].x, spine[0].y, spine[0].r, dAngle, dAngle - PI);
    }
    cairo_close_path(cr);
}

void PathProfile(cairo_t* cr, double cx, const std::vector<ProfileKnot>& knots)
{
    std::vector<TubeKnot> asKnots;
    for (const ProfileKnot& knot : knots)
        asKnots.push_back(TubeKnot{knot.w, knot.y, 0});
    const std::vector<TubeKnot> side = SampleTube(asKnots);
    cairo_new_sub_path(cr);
    for (const TubeKnot& p : side)
        cairo_line_to(cr, cx - p.x, p.y);
    for (size_t i = side.size(); i-- > 0;)
        cairo_line_to(cr, cx + side[i].x, side[i].y);
    cairo_close_path(cr);
}
