// Face.h: the makeover face in screen coordinates (centred at x 400 in the mirror) and
// everything that goes on it: 15 eye styles, 15 lip styles, 10 pairs of glasses and the
// hairstyles (style 0 is the bare "before" look). The swatches on the vanity use the same
// style tables, so swatch k always shows style k.
#pragma once

#include "Paint.h"

#include <cairo.h>

#include <utility>
#include <vector>

namespace Face
{
constexpr int EYE_STYLES = 15;
constexpr int LIP_STYLES = 15;
constexpr int GLASSES = 10;
constexpr int HAIRSTYLES = 9;

// The mirror the face is seen in.
constexpr double MIRROR_X = 400;
constexpr double MIRROR_Y = 205;
constexpr double MIRROR_RX = 160;
constexpr double MIRROR_RY = 188;
void PathMirror(cairo_t* cr);

// Face, neck and shoulders with natural eyes and lips, no hair.
void DrawBase(cairo_t* cr);

void DrawEyeStyle(cairo_t* cr, int nStyle);
void DrawLipStyle(cairo_t* cr, int nStyle);
void DrawGlassesOnFace(cairo_t* cr, int nPair);
void DrawHair(cairo_t* cr, int nStyle);

// Swatches for the vanity.
void DrawEyeCompact(cairo_t* cr, double cx, double cy, double r, int nStyle);
void DrawLipstick(cairo_t* cr, double x, double y, double w, double h, int nStyle);
// A pair of glasses for the vanity tray, lying centred at (cx, cy) and turned by dAngle
// (radians): its lens centres sit 1.4 * dScale either side of the centre along that angle.
void DrawGlassesLying(cairo_t* cr, double cx, double cy, double dAngle, double dScale, int nPair);
// The outline of a tray drawing of the pair in units of dScale, centred on the origin and not
// turned: points around the convex hull of both lenses with their frame and the bridge, at
// most a twelfth of a unit apart, pushed out by half the frame's dark edge.
std::vector<std::pair<double, double>> GlassesTrayOutline(int nPair);
} // namespace Face
