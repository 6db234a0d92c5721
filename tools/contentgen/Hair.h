// Hair.h: hair drawn with flow, shared by the makeover face and the avenue model: locks
// (tapered tubes along curved spines) shaded down their length, textured with strands that
// follow them and lit by a sheen; spiral ringlets; and three-strand plaits. dStrand is the
// width of one strand line, which sets the scale of the texture (about 1 for the makeover's
// large face, 0.5 for the small model).
#pragma once

#include "Paint.h"
#include "Shapes.h"

#include <vector>

namespace Hair
{
// A lock along the knots: the colour lighter at its root and darker at its tip, strands along
// it and a sheen on its lit (left) side near the root.
void DrawLock(cairo_t* cr, const std::vector<TubeKnot>& knots, const Colour& c, double dStrand);

// A ringlet hanging from (x, y): a lock dLength long and dWidth wide that twists nTurns times,
// each turn shaded as a coil catching the light on its upper edge.
void DrawRinglet(cairo_t* cr, double x, double y, double dLength, double dWidth, int nTurns, double dSway,
                 const Colour& c, double dStrand);

// A plait along the knots (their half-widths give its width): lobes of hair crossing over from
// alternate sides every dStep pixels, each shaded and streaked, ending in a tuft.
void DrawPlait(cairo_t* cr, const std::vector<TubeKnot>& knots, double dStep, const Colour& c,
               double dStrand);

// A mass of hair (the current path) filled in the colour with a soft light from the top left
// and edged a little darker; the path is consumed.
void FillMass(cairo_t* cr, const Colour& c, double x0, double y0, double x1, double y1, double dStrand);
} // namespace Hair
