// GlassesTray.h: the ten pairs of glasses in the makeover vanity's tray. The hot-spot areas of
// different pairs overlap in places, and there the scene picks the area that comes first in
// its list; each pair lies where a click picks it (inside its own three areas, outside those of
// the pairs before it), so the pairs never touch one another, a click anywhere on a pair picks
// that pair, and all of them stay inside the tray. All pairs are drawn at one size, the largest
// at which every pair fits its part, each turned and placed where it fits with the most room.
#pragma once

#include <cairo.h>

namespace GlassesTray
{
// The tray panel, in screen pixels.
constexpr double PANEL_X = 2;
constexpr double PANEL_Y = 214;
constexpr double PANEL_W = 240;
constexpr double PANEL_H = 90;
// The panel's gold border; drawings stay inside it.
constexpr double BORDER = 3;

// Draws pair nPair (0 to 9) in its place in the tray, in screen coordinates.
void DrawPair(cairo_t* cr, int nPair);
} // namespace GlassesTray
