// Paint.cpp: the shared drawing helpers.
#include "Paint.h"

#include <cmath>

Colour Mix(const Colour& a, const Colour& b, double t)
{
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Colour Lighter(const Colour& c, double t)
{
    return Mix(c, Colour{1, 1, 1, c.a}, t);
}

Colour Darker(const Colour& c, double t)
{
    return Mix(c, Colour{0, 0, 0, c.a}, t);
}

Colour WithAlpha(const Colour& c, double a)
{
    return Colour{c.r, c.g, c.b, a};
}

void SetColour(cairo_t* cr, const Colour& c)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void PathRoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::fmin(r, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, PI / 2, PI);
    cairo_arc(cr, x + r, y + r, r, PI, 3 * PI / 2);
    cairo_close_path(cr);
}

void PathEllipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void PathStar(cairo_t* cr, double cx, double cy, double rOuter, double rInner, int nPoints, double dAngle)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * nPoints; ++i)
    {
        const double r = (i % 2 == 0) ? rOuter : rInner;
        const double a = dAngle - PI / 2 + i * PI / nPoints;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void FillAndOutline(cairo_t* cr, const Colour& fill, double dLineWidth, const Colour& outline)
{
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    SetColour(cr, outline);
    cairo_set_line_width(cr, dLineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

namespace
{
// Sets a vertical gradient between the given rows as the source.
void SetVerticalGradient(cairo_t* cr, double y0, const Colour& top, double y1, const Colour& bottom)
{
    cairo_pattern_t* pGradient = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(pGradient, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(pGradient, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, pGradient);
    cairo_pattern_destroy(pGradient); // the context holds its own reference
}
} // namespace

void FillVertical(cairo_t* cr, double y0, const Colour& top, double y1, const Colour& bottom)
{
    SetVerticalGradient(cr, y0, top, y1, bottom);
    cairo_fill(cr);
}

void Stroke(cairo_t* cr, const Colour& c, double dLineWidth)
{
    SetColour(cr, c);
    cairo_set_line_width(cr, dLineWidth);
    cairo_stroke(cr);
}

void StrokeEdged(cairo_t* cr, const Colour& c, double dLineWidth, double dEdge)
{
    SetColour(cr, Palette::Plum);
    cairo_set_line_width(cr, dLineWidth + 2 * dEdge);
    cairo_stroke_preserve(cr);
    Stroke(cr, c, dLineWidth);
}

void FillVerticalAndStroke(cairo_t* cr, double y0, const Colour& top, double y1, const Colour& bottom,
                           const Colour& edge, double dLineWidth)
{
    SetVerticalGradient(cr, y0, top, y1, bottom);
    cairo_fill_preserve(cr);
    Stroke(cr, edge, dLineWidth);
}

void FillGradient(cairo_t* cr, cairo_pattern_t* pGradient, const Colour& from, const Colour& to,
                  bool bKeepPath)
{
    FillGradientStops(cr, pGradient, {{0, WithAlpha(from, 1)}, {1, WithAlpha(to, 1)}}, bKeepPath);
}

void FillGradientStops(cairo_t* cr, cairo_pattern_t* pGradient, std::initializer_list<GradientStop> stops,
                       bool bKeepPath)
{
    for (const GradientStop& stop : stops)
        cairo_pattern_add_color_stop_rgba(pGradient, stop.dOffset, stop.colour.r, stop.colour.g,
                                          stop.colour.b, stop.colour.a);
    cairo_set_source(cr, pGradient);
    if (bKeepPath)
        cairo_fill_preserve(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(pGradient);
}

void DrawFramedCard(cairo_t* cr, double x, double y, double w, double h, double r, const Colour& top,
                    const Colour& bottom)
{
    PathRoundedRect(cr, x, y, w, h, r);
    FillVertical(cr, y, top, y + h, bottom);
    PathRoundedRect(cr, x, y, w, h, r);
    SetColour(cr, Palette::Gold);
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    Stroke(cr, Palette::Plum, 1.5);
}

void DrawGlow(cairo_t* cr, double cx, double cy, double r, const Colour& c)
{
    cairo_pattern_t* pGlow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(pGlow, 0, c.r, c.g, c.b, c.a);
    cairo_pattern_add_color_stop_rgba(pGlow, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, pGlow);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(pGlow);
}

void PaintSoftBackdrop(cairo_t* cr, double w, double h, const Colour& from, const Colour& to,
                       const Colour& glowA, const Colour& glowB)
{
    cairo_rectangle(cr, 0, 0, w, h);
    FillGradient(cr, cairo_pattern_create_linear(0, 0, w, h), from, to, false);
    DrawGlow(cr, w * 0.18, h * 0.2, w * 0.45, glowA);
    DrawGlow(cr, w * 0.85, h * 0.85, w * 0.5, glowB);
}

void PaintPinStripes(cairo_t* cr, double x, double y, double w, double h, const Colour& c, double dSpacing)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    SetColour(cr, c);
    cairo_set_line_width(cr, 1.0);
    for (double d = -h; d < w; d += dSpacing)
    {
        cairo_move_to(cr, x + d, y + h);
        cairo_line_to(cr, x + d + h, y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawSparkle(cairo_t* cr, double cx, double cy, double r, const Colour& c)
{
    DrawGlow(cr, cx, cy, r * 0.9, WithAlpha(c, 0.45 * c.a));
    PathStar(cr, cx, cy, r, r * 0.18, 4, 0);
    SetColour(cr, c);
    cairo_fill(cr);
}

void DrawGlossyButton(cairo_t* cr, double x, double y, double w, double h, const std::string& strLabel,
                      const ButtonStyle& style, bool bLit)
{
    const double r = style.dRadius < 0 ? h / 2 : style.dRadius;
    const Colour base = bLit ? Lighter(style.base, 0.22) : style.base;
    cairo_save(cr);
    if (bLit)
    {
        // Gold halo around the lit button.
        PathRoundedRect(cr, x - 3, y - 3, w + 6, h + 6, r + 3);
        Stroke(cr, WithAlpha(Palette::Gold, 0.85), 4);
    }
    PathRoundedRect(cr, x, y, w, h, r);
    FillVertical(cr, y, Lighter(base, 0.35), y + h, Darker(base, 0.25));
    // Gloss: a pale band over the upper half.
    PathRoundedRect(cr, x + 4, y + 3, w - 8, h * 0.45, r * 0.8);
    FillVertical(cr, y + 3, WithAlpha(Palette::White, bLit ? 0.75 : 0.6), y + h * 0.5,
                 WithAlpha(Palette::White, 0.05));
    PathRoundedRect(cr, x, y, w, h, r);
    Stroke(cr, bLit ? Palette::Gold : Palette::Plum, bLit ? 3.0 : 2.0);
    TextStyle text = CentredText(style.dFontSize, bLit ? Palette::PaleGold : style.text);
    text.bSerif = style.bSerif;
    text.outline = Darker(base, 0.55);
    text.dOutline = 2.5;
    DrawText(cr, x + w / 2, y + h / 2 + style.dFontSize * 0.36, strLabel, text);
    cairo_restore(cr);
}

namespace
{
void SelectFont(cairo_t* cr, const TextStyle& style)
{
    cairo_select_font_face(cr, style.bSerif ? "DejaVu Serif" : "DejaVu Sans",
                           style.bItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           style.bBold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.dSize);
}
} // namespace

TextStyle CentredText(double dSize, const Colour& fill)
{
    TextStyle style;
    style.dSize = dSize;
    style.fill = fill;
    style.dAnchor = 0.5;
    return style;
}

TextStyle SerifCaption(double dSize, const Colour& fill, const Colour& outline, double dOutline)
{
    TextStyle style = CentredText(dSize, fill);
    style.bSerif = true;
    style.bItalic = true;
    style.outline = outline;
    style.dOutline = dOutline;
    return style;
}

TextStyle TitleStyle(double dSize)
{
    TextStyle style = SerifCaption(dSize, Palette::Magenta, Palette::PaleGold, 2);
    style.fillBottom = Palette::DeepMagenta;
    return style;
}

double TextWidth(cairo_t* cr, const std::string& strText, const TextStyle& style)
{
    cairo_save(cr);
    SelectFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, strText.c_str(), &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

void DrawText(cairo_t* cr, double x, double y, const std::string& strText, const TextStyle& style)
{
    cairo_save(cr);
    SelectFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, strText.c_str(), &extents);
    cairo_move_to(cr, x - extents.x_advance * style.dAnchor, y);
    cairo_text_path(cr, strText.c_str());
    if (style.dOutline > 0)
    {
        SetColour(cr, style.outline);
        cairo_set_line_width(cr, style.dOutline * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    if (style.fillBottom.r >= 0)
        FillVertical(cr, y - style.dSize * 0.8, style.fill, y, style.fillBottom);
    else
    {
        SetColour(cr, style.fill);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

void DrawArrow(cairo_t* cr, double x, double y, double w, double h, bool bLeft, const Colour& base, bool bLit,
               int nPhase)
{
    cairo_save(cr);
    const double cx = x + w / 2;
    const double cy = y + h / 2;
    if (bLit)
        DrawGlow(cr, cx, cy, std::fmax(w, h) * (0.42 + 0.06 * nPhase),
                 WithAlpha(Palette::Gold, 0.8 + 0.07 * nPhase));
    // A chunky triangle with rounded corners pointing left or right.
    const double tip = bLeft ? x + 2 : x + w - 2;
    const double back = bLeft ? x + w - 3 : x + 3;
    cairo_move_to(cr, tip, cy);
    cairo_line_to(cr, back, y + 2);
    cairo_line_to(cr, back, y + h - 2);
    cairo_close_path(cr);
    const Colour fill = bLit ? Lighter(base, 0.25 + 0.1 * nPhase) : base;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    FillGradient(cr, cairo_pattern_create_linear(0, y, 0, y + h), Lighter(fill, 0.45), Darker(fill, 0.2),
                 true);
    Stroke(cr, bLit ? Palette::Plum : Darker(base, 0.6), 2.0);
    // Gloss dot near the back edge.
    PathEllipse(cr, (tip + back * 2) / 3, cy - h * 0.18, w * 0.12, h * 0.08);
    SetColour(cr, WithAlpha(Palette::White, 0.7));
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawWaySign(cairo_t* cr, double xTip, double y, const std::string& strText, bool bPointLeft)
{
    constexpr double HEIGHT = 24;
    constexpr double POINT = 11;
    TextStyle text = SerifCaption(13, Palette::DeepMagenta);
    text.dAnchor = 0.0;
    const double dWidth = TextWidth(cr, strText, text) + 18 + POINT;
    // The plaque's square end, where its point begins, and its left edge.
    const double xSquare = bPointLeft ? xTip + dWidth : xTip - dWidth;
    const double xBody = bPointLeft ? xTip + POINT : xTip - POINT;
    const double x = std::fmin(xTip, xSquare);
    auto path = [=](double dx, double dy)
    {
        cairo_move_to(cr, xSquare + dx, y + dy);
        cairo_line_to(cr, xBody + dx, y + dy);
        cairo_line_to(cr, xTip + dx, y + HEIGHT / 2 + dy);
        cairo_line_to(cr, xBody + dx, y + HEIGHT + dy);
        cairo_line_to(cr, xSquare + dx, y + HEIGHT + dy);
        cairo_close_path(cr);
    };
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    path(1.5, 2); // a soft shadow
    SetColour(cr, WithAlpha(Palette::Plum, 0.25));
    cairo_fill(cr);
    path(0, 0);
    FillVertical(cr, y, Palette::Cream, y + HEIGHT, Palette::PaleGold);
    path(0, 0);
    SetColour(cr, Palette::Gold);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    Stroke(cr, Palette::Plum, 1.1);
    DrawText(cr, (bPointLeft ? x + POINT : x) + 9, y + 17, strText, text);
    cairo_restore(cr);
}

void DrawOttoman(cairo_t* cr, double x, double y, double w, double h, bool bLit)
{
    cairo_save(cr);
    if (bLit)
        DrawGlow(cr, x + w / 2, y + h * 0.55, w * 0.75, WithAlpha(Palette::Gold, 0.8));
    const Colour base = bLit ? Lighter(Palette::Magenta, 0.2) : Palette::Magenta;
    // Legs.
    for (int i = 0; i < 2; ++i)
    {
        const double lx = x + w * (i == 0 ? 0.2 : 0.72);
        PathRoundedRect(cr, lx, y + h * 0.78, w * 0.08, h * 0.2, 2);
        FillAndOutline(cr, Palette::Gold, 1.5);
    }
    // Body: a drum with a rounded top.
    PathRoundedRect(cr, x + 2, y + h * 0.28, w - 4, h * 0.56, 10);
    FillVerticalAndStroke(cr, y + h * 0.28, Lighter(base, 0.2), y + h * 0.84, Darker(base, 0.35),
                          Palette::Plum, 2);
    // Buttoned tufts.
    for (int i = 0; i < 3; ++i)
    {
        PathEllipse(cr, x + w * (0.25 + 0.25 * i), y + h * 0.56, 2.5, 2.5);
        SetColour(cr, Palette::Gold);
        cairo_fill(cr);
    }
    // Cushion top.
    PathEllipse(cr, x + w / 2, y + h * 0.28, w / 2 - 1, h * 0.2);
    FillGradient(cr, cairo_pattern_create_radial(x + w * 0.4, y + h * 0.2, 2, x + w / 2, y + h * 0.28, w / 2),
                 Lighter(base, 0.6), base, true);
    Stroke(cr, bLit ? Palette::Gold : Palette::Plum, 2);
    // Gold piping.
    cairo_move_to(cr, x + 4, y + h * 0.45);
    cairo_curve_to(cr, x + w * 0.3, y + h * 0.52, x + w * 0.7, y + h * 0.52, x + w - 4, y + h * 0.45);
    Stroke(cr, Palette::Gold, 2);
    cairo_restore(cr);
}
