// Shapes.h: smooth outlines through a few knots, the way a figure is drawn: tubes (limbs,
// sleeves, trouser legs, locks of hair) whose width changes along a curved spine, and shapes
// mirrored about a vertical axis (a torso, a skirt) given by their half-width row by row.
// Knots are joined by Catmull-Rom curves, so the outline passes through every knot.
#pragma once

#include <cairo.h>

#include <vector>

// A point of a tube's spine and the tube's half-width there.
struct TubeKnot
{
    double x;
    double y;
    double r;
};

// A closed tube along the knots (at least two), with a round or a flat cap at each end.
void PathTube(cairo_t* cr, const std::vector<TubeKnot>& knots, bool bRoundStart = true,
              bool bRoundEnd = true);

// A row of a mirrored shape: its half-width w at height y.
struct ProfileKnot
{
    double y;
    double w;
};

// A closed shape symmetric about x = cx: down the left side through the knots (top to bottom),
// then back up the right side.
void PathProfile(cairo_t* cr, double cx, const std::vector<ProfileKnot>& knots);

// The spine of a tube sampled densely (about one point per pixel), with the half-width at each
// point; what PathTube outlines. Exposed for drawing along a limb (stripes, seams, shading).
std::vector<TubeKnot> SampleTube(const std::vector<TubeKnot>& knots);

// A line along a sampled spine, beside it by dAcross half-widths (-1 and 1 are the tube's two
// edges); the points keep the spine's half-widths.
std::vector<TubeKnot> AlongSpine(const std::vector<TubeKnot>& spine, double dAcross);
