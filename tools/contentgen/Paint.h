// Paint.h: the shared drawing vocabulary of the game's look: the palette (magenta, teal and
// gold on soft gradients, plum outlines), colour mixing, rounded shapes, glossy buttons,
// outlined titles, sparkles and arrows. Every scene draws with these so the look is one.
#pragma once

#include <cairo.h>

#include <initializer_list>
#include <string>

// Half a turn, in radians.
constexpr double PI = 3.14159265358979323846;

struct Colour
{
    double r;
    double g;
    double b;
    double a = 1.0;
};

namespace Palette
{
constexpr Colour Magenta{0.85, 0.11, 0.52};
constexpr Colour DeepMagenta{0.55, 0.04, 0.36};
constexpr Colour Teal{0.06, 0.64, 0.64};
constexpr Colour DeepTeal{0.02, 0.36, 0.40};
constexpr Colour Gold{0.91, 0.73, 0.14};
constexpr Colour PaleGold{1.00, 0.92, 0.60};
constexpr Colour Plum{0.23, 0.06, 0.22}; // outlines
constexpr Colour Blush{0.99, 0.89, 0.94};
constexpr Colour Lilac{0.91, 0.84, 0.97};
constexpr Colour Cream{1.00, 0.97, 0.92};
constexpr Colour White{1.00, 1.00, 1.00};
constexpr Colour Skin{0.98, 0.83, 0.72};
constexpr Colour SkinShade{0.90, 0.68, 0.58};
} // namespace Palette

Colour Mix(const Colour& a, const Colour& b, double t);
Colour Lighter(const Colour& c, double t); // towards white
Colour Darker(const Colour& c, double t);  // towards black
Colour WithAlpha(const Colour& c, double a);

void SetColour(cairo_t* cr, const Colour& c);

// Paths (no fill, no stroke).
void PathRoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void PathEllipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void PathStar(cairo_t* cr, double cx, double cy, double rOuter, double rInner, int nPoints, double dAngle);

// Fills the current path and strokes it with the plum outline.
void FillAndOutline(cairo_t* cr, const Colour& fill, double dLineWidth = 2.0,
                    const Colour& outline = Palette::Plum);

// Fills the current path with a vertical gradient between the given rows.
void FillVertical(cairo_t* cr, double y0, const Colour& top, double y1, const Colour& bottom);

// Strokes the current path in a colour and line width (the width stays set afterwards).
void Stroke(cairo_t* cr, const Colour& c, double dLineWidth);

// Strokes the current path dLineWidth wide in a colour over a plum edge dEdge wider on each
// side: straps, bands, handles and frames.
void StrokeEdged(cairo_t* cr, const Colour& c, double dLineWidth, double dEdge);

// Fills the current path with a vertical gradient, then strokes its edge.
void FillVerticalAndStroke(cairo_t* cr, double y0, const Colour& top, double y1, const Colour& bottom,
                           const Colour& edge, double dLineWidth);

// Fills the current path from a gradient pattern given two opaque stops, at 0 and 1, and
// releases the pattern. bKeepPath leaves the path for a stroke that follows.
void FillGradient(cairo_t* cr, cairo_pattern_t* pGradient, const Colour& from, const Colour& to,
                  bool bKeepPath);

// The same with any number of stops (offset from 0 to 1, colour with its alpha).
struct GradientStop
{
    double dOffset;
    Colour colour;
};
void FillGradientStops(cairo_t* cr, cairo_pattern_t* pGradient, std::initializer_list<GradientStop> stops,
                       bool bKeepPath);

// A framed card: a rounded panel with a vertical gradient, a broad gold border and a thin
// plum line along its middle.
void DrawFramedCard(cairo_t* cr, double x, double y, double w, double h, double r, const Colour& top,
                    const Colour& bottom);

// A soft full-area backdrop: diagonal gradient between two tints with two large glows.
void PaintSoftBackdrop(cairo_t* cr, double w, double h, const Colour& from, const Colour& to,
                       const Colour& glowA, const Colour& glowB);

// Faint diagonal pin-stripes, the magazine-page texture used behind panels.
void PaintPinStripes(cairo_t* cr, double x, double y, double w, double h, const Colour& c, double dSpacing);

// A four-pointed sparkle.
void DrawSparkle(cairo_t* cr, double cx, double cy, double r, const Colour& c);

// A soft radial glow.
void DrawGlow(cairo_t* cr, double cx, double cy, double r, const Colour& c);

// Glossy pill or rounded button with a centred label; lit buttons glow gold and brighten.
struct ButtonStyle
{
    Colour base = Palette::Magenta;
    Colour text = Palette::White;
    double dFontSize = 20.0;
    double dRadius = -1.0; // -1: half the height (a pill)
    bool bSerif = false;
};
void DrawGlossyButton(cairo_t* cr, double x, double y, double w, double h, const std::string& strLabel,
                      const ButtonStyle& style, bool bLit);

// Text with an outline, aligned by its horizontal anchor (0 left, 0.5 centre, 1 right) at
// baseline y. Fonts are DejaVu Sans or DejaVu Serif.
struct TextStyle
{
    double dSize = 20.0;
    bool bSerif = false;
    bool bBold = true;
    bool bItalic = false;
    Colour fill = Palette::White;
    Colour outline = Palette::Plum;
    double dOutline = 0.0; // 0: no outline
    double dAnchor = 0.0;
    Colour fillBottom{-1, 0, 0}; // when r >= 0, a vertical gradient from fill to fillBottom
};
void DrawText(cairo_t* cr, double x, double y, const std::string& strText, const TextStyle& style);
// Bold upright sans, centred on x; callers adjust the face from there.
TextStyle CentredText(double dSize, const Colour& fill);
// Bold serif italic, centred on x: the lettering of signs, captions and titles.
TextStyle SerifCaption(double dSize, const Colour& fill, const Colour& outline = Palette::Plum,
                       double dOutline = 0.0);
// The scene titles: magenta fading to deep magenta, edged in pale gold.
TextStyle TitleStyle(double dSize);
double TextWidth(cairo_t* cr, const std::string& strText, const TextStyle& style);

// A glossy arrow pointing left or right inside the box; nPhase (0-2) pulses the glow of a lit
// arrow for its animation frames.
void DrawArrow(cairo_t* cr, double x, double y, double w, double h, bool bLeft, const Colour& base, bool bLit,
               int nPhase);

// A way-out sign: a cream plaque edged in gold, pointed at one end towards the exit it names
// (the point on the left when bPointLeft), with the text in deep magenta. xTip is where the
// point ends and y the plaque's top; it is 24 pixels high and reaches from the tip away from
// the exit as far as its text needs.
void DrawWaySign(cairo_t* cr, double xTip, double y, const std::string& strText, bool bPointLeft);

// A round padded ottoman seen from the front, filling the box.
void DrawOttoman(cairo_t* cr, double x, double y, double w, double h, bool bLit);
