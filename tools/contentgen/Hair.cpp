// Hair.cpp: locks, ringlets, plaits and hair masses.
#include "Hair.h"

#include <cmath>

namespace Hair
{
namespace
{
void StrokePolyline(cairo_t* cr, const std::vector<TubeKnot>& line, size_t nFrom, size_t nTo)
{
    if (nTo <= nFrom + 1)
        return;
    cairo_move_to(cr, line[nFrom].x, line[nFrom].y);
    for (size_t i = nFrom + 1; i < nTo; ++i)
        cairo_line_to(cr, line[i].x, line[i].y);
}
} // namespace

void DrawLock(cairo_t* cr, const std::vector<TubeKnot>& knots, const Colour& c, double dStrand)
{
    const std::vector<TubeKnot> spine = SampleTube(knots);
    if (spine.size() < 3)
        return;
    cairo_save(cr);
    PathTube(cr, knots);
    FillGradientStops(
        cr, cairo_pattern_create_linear(spine.front().x, spine.front().y, spine.back().x, spine.back().y),
        {{0, Lighter(c, 0.12)}, {0.45, c}, {1, Darker(c, 0.3)}}, true);
    cairo_clip_preserve(cr);
    // Strands across the lock, dark and light in turn, ending at different lengths.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double aAcross[] = {-0.72, -0.42, -0.14, 0.16, 0.44, 0.74};
    for (int i = 0; i < 6; ++i)
    {
        const std::vector<TubeKnot> line = AlongSpine(spine, aAcross[i]);
        StrokePolyline(cr, line, spine.size() / (i % 3 + 6), spine.size() - spine.size() / (9 - i % 3));
        Stroke(cr, i % 2 ? WithAlpha(Darker(c, 0.4), 0.45) : WithAlpha(Lighter(c, 0.4), 0.5), dStrand);
    }
    // The sheen: a soft bright band on the lit side, a third of the way down.
    const std::vector<TubeKnot> sheen = AlongSpine(spine, -0.35);
    StrokePolyline(cr, sheen, spine.size() / 6, spine.size() / 2);
    Stroke(cr, WithAlpha(Lighter(c, 0.65), 0.55), std::fmax(dStrand * 2, spine[spine.size() / 3].r * 0.35));
    cairo_reset_clip(cr);
    // A darker edge keeps neighbouring locks apart.
    Stroke(cr, WithAlpha(Darker(c, 0.45), 0.7), dStrand);
    cairo_restore(cr);
}

void DrawRinglet(cairo_t* cr, double x, double y, double dLength, double dWidth, int nTurns, double dSway,
                 const Colour& c, double dStrand)
{
    // The ringlet's body: a lock swaying a little and narrowing to its end.
    std::vector<TubeKnot> knots;
    for (int k = 0; k <= nTurns; ++k)
    {
        const double t = double(k) / nTurns;
        knots.push_back(
            TubeKnot{x + dSway * std::sin(t * PI * 1.5), y + t * dLength, dWidth * (1 - 0.45 * t)});
    }
    DrawLock(cr, knots, c, dStrand);
    // Each turn of the coil crosses the ringlet on a slant: shadowed where it turns away, lit
    // along its upper edge where it comes round.
    const std::vector<TubeKnot> spine = SampleTube(knots);
    cairo_save(cr);
    PathTube(cr, knots);
    cairo_clip(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double dTurn = dLength / nTurns;
    for (int k = 0; k < nTurns; ++k)
    {
        const TubeKnot& p =
            spine[std::min(spine.size() - 1, size_t(double(spine.size()) * (k + 0.6) / nTurns))];
        cairo_move_to(cr, p.x - p.r * 1.1, p.y + dTurn * 0.35);
        cairo_curve_to(cr, p.x - p.r * 0.3, p.y + dTurn * 0.3, p.x + p.r * 0.4, p.y - dTurn * 0.05,
                       p.x + p.r * 1.1, p.y - dTurn * 0.45);
        Stroke(cr, WithAlpha(Darker(c, 0.5), 0.8), dStrand * 1.6);
        cairo_move_to(cr, p.x - p.r * 1.1, p.y + dTurn * 0.1);
        cairo_curve_to(cr, p.x - p.r * 0.3, p.y + dTurn * 0.05, p.x + p.r * 0.3, p.y - dTurn * 0.25,
                       p.x + p.r * 0.9, p.y - dTurn * 0.62);
        Stroke(cr, WithAlpha(Lighter(c, 0.55), 0.75), dStrand * 1.2);
    }
    cairo_restore(cr);
}

void DrawPlait(cairo_t* cr, const std::vector<TubeKnot>& knots, double dStep, const Colour& c, double dStrand)
{
    const std::vector<TubeKnot> spine = SampleTube(knots);
    if (spine.size() < 3)
        return;
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Crossing sections from the top down, from alternate sides, each over the one before: a
    // section runs from the plait's outer edge diagonally down across its middle, like a leaf.
    int nLobe = 0;
    for (double dAt = 0; dAt + dStep < double(spine.size()); dAt += dStep * 0.5, ++nLobe)
    {
        const TubeKnot& p = spine[size_t(dAt)];
        const TubeKnot& q = spine[std::min(size_t(dAt) + 2, spine.size() - 1)];
        const double dAlong = std::atan2(q.y - p.y, q.x - p.x);
        const double s = nLobe % 2 ? 1.0 : -1.0;
        const double r = p.r;
        const double L = dStep;
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_rotate(cr, dAlong);
        // Local axes: u down the plait, v across it (towards this section's own side).
        auto to = [s](double u, double v) { return std::pair<double, double>(u, v * s); };
        auto [ax, ay] = to(-0.1 * L, 1.0 * r);
        auto [bx, by] = to(1.0 * L, -0.6 * r);
        auto [c1x, c1y] = to(0.5 * L, 1.15 * r);
        auto [c2x, c2y] = to(1.0 * L, 0.25 * r);
        auto [c3x, c3y] = to(0.55 * L, -0.95 * r);
        auto [c4x, c4y] = to(-0.05 * L, 0.05 * r);
        cairo_move_to(cr, ax, ay);
        cairo_curve_to(cr, c1x, c1y, c2x, c2y, bx, by);
        cairo_curve_to(cr, c3x, c3y, c4x, c4y, ax, ay);
        cairo_close_path(cr);
        cairo_restore(cr);
        FillGradient(cr,
                     cairo_pattern_create_linear(p.x, p.y - r * 0.5, p.x + std::cos(dAlong) * L,
                                                 p.y + std::sin(dAlong) * L),
                     Lighter(c, 0.3), Darker(c, 0.28), true);
        Stroke(cr, Darker(c, 0.5), dStrand);
        // Two strands along the section.
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_rotate(cr, dAlong);
        for (int k = 0; k < 2; ++k)
        {
            auto [sx, sy] = to(0.05 * L, (0.75 - k * 0.35) * r);
            auto [ex, ey] = to(0.85 * L, (0.05 - k * 0.3) * r);
            auto [mx, my] = to(0.45 * L, (0.6 - k * 0.3) * r);
            cairo_move_to(cr, sx, sy);
            cairo_curve_to(cr, mx, my, mx, my, ex, ey);
        }
        cairo_restore(cr);
        Stroke(cr, WithAlpha(Lighter(c, 0.45), 0.6), dStrand * 0.8);
    }
    // The tuft below the tie.
    const TubeKnot& end = spine.back();
    for (int k = -2; k <= 2; ++k)
        DrawLock(cr,
                 {{end.x, end.y - 2, end.r * 0.5},
                  {end.x + k * end.r * 0.25, end.y + dStep * 0.9, end.r * 0.25},
                  {end.x + k * end.r * 0.4, end.y + dStep * 1.6, 0.4}},
                 c, dStrand * 0.7);
    cairo_restore(cr);
}

void FillMass(cairo_t* cr, const Colour& c, double x0, double y0, double x1, double y1, double dStrand)
{
    FillGradient(cr,
                 cairo_pattern_create_radial(x0 + (x1 - x0) * 0.35, y0 + (y1 - y0) * 0.2, 1, (x0 + x1) / 2,
                                             (y0 + y1) / 2, std::hypot(x1 - x0, y1 - y0) * 0.6),
                 Lighter(c, 0.2), Darker(c, 0.25), true);
    Stroke(cr, WithAlpha(Darker(c, 0.45), 0.7), dStrand);
}
} // namespace Hair
